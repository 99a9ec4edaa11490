#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace ashtally {

// Page 6: start with the desktop session, the Today text, the links and the clipboard text with
// its live preview.
class ProgramOptionsPage : public QWidget {
    Q_OBJECT

public:
    explicit ProgramOptionsPage(QWidget* parent = nullptr);

    QCheckBox* cbRunStartup;
    QLabel* Label11;
    QPlainTextEdit* memStats;
    QLabel* Label2;
    QPlainTextEdit* memLinks;
    QLabel* Label12;
    QPlainTextEdit* memClip;
    QLabel* lblPrevClip;
};

} // namespace ashtally
