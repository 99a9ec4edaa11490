#include "app/pages/todaypage.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/picturearea.h"

namespace ashtally {

TodayPage::TodayPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabToday"));

    lblStats = new QPlainTextEdit(this);
    lblStats->setObjectName(QStringLiteral("lblStats"));
    lblStats->setReadOnly(true);
    lblStats->setFrameShape(QFrame::NoFrame);
    lblStats->setFocusPolicy(Qt::ClickFocus); // readable and selectable, but no tab stop
    lblStats->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lblStats->setContextMenuPolicy(Qt::ActionsContextMenu);
    lblStats->viewport()->setAutoFillBackground(false);
    {
        QFont big = lblStats->font();
        big.setPointSizeF(big.pointSizeF() * 1.3);
        lblStats->setFont(big);
    }
    Copytexttoclipboard1 = new QAction(this);
    Copytexttoclipboard1->setObjectName(QStringLiteral("Copytexttoclipboard1"));
    lblStats->addAction(Copytexttoclipboard1);

    Pictures = new PictureArea(this);

    cbBuddyBox = new QComboBox(this);
    cbBuddyBox->setObjectName(QStringLiteral("cbBuddyBox"));
    cbBuddyBox->setEditable(false);
    // The selector gives up width before the buttons do: their texts are longer in Greek, and
    // the selector grows with the page anyway.
    cbBuddyBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbBuddyBox->setMinimumContentsLength(8);

    ButtonCopyStats = new QPushButton(this);
    ButtonCopyStats->setObjectName(QStringLiteral("ButtonCopyStats"));
    ButtonShowMilestoneWin = new QPushButton(this);
    ButtonShowMilestoneWin->setObjectName(QStringLiteral("ButtonShowMilestoneWin"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cbBuddyBox, 1);
    bottom->addWidget(ButtonCopyStats);
    bottom->addWidget(ButtonShowMilestoneWin);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStats, 5);
    layout->addWidget(Pictures, 4);
    layout->addLayout(bottom);

    Copytexttoclipboard1->setText(tr("Copy text to clipboard"));
    ButtonCopyStats->setText(tr("Copy statistics to clipboard"));
    ButtonShowMilestoneWin->setText(tr("Show milestone window"));
}

} // namespace ashtally
