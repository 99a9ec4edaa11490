#include "app/pages/programoptionspage.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ashtally {

namespace {

QPlainTextEdit* TemplateEdit(QWidget* parent, const char* name, int lines) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setTabChangesFocus(true);
    const int lineHeight = edit->fontMetrics().lineSpacing();
    edit->setMinimumHeight(lineHeight * lines + 2 * edit->frameWidth() + 8);
    return edit;
}

} // namespace

ProgramOptionsPage::ProgramOptionsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSetup"));

    cbRunStartup = new QCheckBox(tr("Run on startup"), this);
    cbRunStartup->setObjectName(QStringLiteral("cbRunStartup"));

    memStats = TemplateEdit(this, "memStats", 4);
    Label11 = new QLabel(tr("Today page text:"), this);
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setBuddy(memStats);

    memLinks = TemplateEdit(this, "memLinks", 3);
    Label2 = new QLabel(tr("Links:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setBuddy(memLinks);

    memClip = TemplateEdit(this, "memClip", 3);
    memClip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memClip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Label12 = new QLabel(tr("Clipboard text:"), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setBuddy(memClip);

    lblPrevClip = new QLabel(this);
    lblPrevClip->setObjectName(QStringLiteral("lblPrevClip"));
    lblPrevClip->setWordWrap(true);
    lblPrevClip->setTextFormat(Qt::PlainText);
    lblPrevClip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPrevClip->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPrevClip->setFrameShape(QFrame::StyledPanel);
    lblPrevClip->setMargin(6);
    lblPrevClip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::MinimumExpanding);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cbRunStartup);
    layout->addSpacing(6);
    layout->addWidget(Label11);
    layout->addWidget(memStats, 3);
    layout->addWidget(Label2);
    layout->addWidget(memLinks, 2);
    layout->addWidget(Label12);
    layout->addWidget(memClip, 2);
    layout->addWidget(lblPrevClip, 2);
}

} // namespace ashtally
