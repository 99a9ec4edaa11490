#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace ashtally {

// Page 8: the user's own reasons for quitting, free text.
class QuitReasonsPage : public QWidget {
    Q_OBJECT

public:
    explicit QuitReasonsPage(QWidget* parent = nullptr);

    QLabel* Label13;
    QPlainTextEdit* memQuitReasons;
};

} // namespace ashtally
