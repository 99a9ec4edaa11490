#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace ashtally {

// Page 2: each quitter's latest milestone, and a congratulation mail for the selected one.
class EmailPage : public QWidget {
    Q_OBJECT

public:
    explicit EmailPage(QWidget* parent = nullptr);

    QLabel* LabelMilesToCeleb;
    QListWidget* EmailBox;
    QPushButton* ButtonPrepareEmails;
};

} // namespace ashtally
