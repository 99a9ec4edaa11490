#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;

namespace ashtally {

class PictureArea;

// Page 0: the statistics text of one quitter, a picture, the quitter selector and two buttons.
class TodayPage : public QWidget {
    Q_OBJECT

public:
    explicit TodayPage(QWidget* parent = nullptr);

    QPlainTextEdit* lblStats;
    QAction* Copytexttoclipboard1;
    PictureArea* Pictures;
    QComboBox* cbBuddyBox;
    QPushButton* ButtonCopyStats;
    QPushButton* ButtonShowMilestoneWin;
};

} // namespace ashtally
