#include "app/pages/quitreasonspage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace ashtally {

QuitReasonsPage::QuitReasonsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabQuitReasons"));

    memQuitReasons = new QPlainTextEdit(this);
    memQuitReasons->setObjectName(QStringLiteral("memQuitReasons"));
    memQuitReasons->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memQuitReasons->setTabChangesFocus(true);
    QFont text = memQuitReasons->font();
    text.setPointSizeF(text.pointSizeF() * 1.15);
    memQuitReasons->setFont(text);

    Label13 = new QLabel(tr("Why I have quit smoking:"), this);
    Label13->setObjectName(QStringLiteral("Label13"));
    QFont caption = Label13->font();
    caption.setItalic(true);
    caption.setPointSizeF(caption.pointSizeF() * 1.15);
    Label13->setFont(caption);
    Label13->setBuddy(memQuitReasons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label13);
    layout->addWidget(memQuitReasons, 1);
}

} // namespace ashtally
