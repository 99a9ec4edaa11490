#include "app/pages/aboutpage.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/linklabel.h"

namespace ashtally {

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabAbout"));

    lblProgram = new QLabel(this);
    lblProgram->setObjectName(QStringLiteral("lblProgram"));
    QFont title = lblProgram->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    lblProgram->setFont(title);

    Label4 = new QLabel(tr("Programming:"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    lblProgrammer = new QLabel(this);
    lblProgrammer->setObjectName(QStringLiteral("lblProgrammer"));
    LinkProgrammer = new LinkLabel(this);
    LinkProgrammer->setObjectName(QStringLiteral("LinkProgrammer"));

    Label5 = new QLabel(tr("English translation:"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    lblTranslator = new QLabel(this);
    lblTranslator->setObjectName(QStringLiteral("lblTranslator"));
    LinkTranslator = new LinkLabel(this);
    LinkTranslator->setObjectName(QStringLiteral("LinkTranslator"));

    memDisclaimer = new QPlainTextEdit(this);
    memDisclaimer->setObjectName(QStringLiteral("memDisclaimer"));
    memDisclaimer->setReadOnly(true);
    memDisclaimer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memDisclaimer->setTabChangesFocus(true);

    auto* credits = new QGridLayout;
    credits->addWidget(Label4, 0, 0);
    credits->addWidget(lblProgrammer, 0, 1);
    credits->addWidget(LinkProgrammer, 0, 2);
    credits->addWidget(Label5, 1, 0);
    credits->addWidget(lblTranslator, 1, 1);
    credits->addWidget(LinkTranslator, 1, 2);
    credits->setColumnStretch(3, 1);
    credits->setHorizontalSpacing(12);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblProgram);
    layout->addSpacing(8);
    layout->addLayout(credits);
    layout->addSpacing(8);
    layout->addWidget(memDisclaimer, 1);
}

void AboutPage::SetTexts() {
    lblProgram->setText(QStringLiteral("Ashtally v%1").arg(QCoreApplication::applicationVersion()));
    lblProgrammer->setText(tr("The Ashtally developers"));
    LinkProgrammer->SetLink(tr("Project page"), QStringLiteral("https://ashtally.invalid/"));
    lblTranslator->setText(tr("The Ashtally developers"));
    LinkTranslator->SetLink(tr("Write to us"), QStringLiteral("mailto:hello@ashtally.invalid"));
    memDisclaimer->setPlainText(
        tr("Ashtally is offered in the hope that it helps you stay quit. It comes without any "
           "warranty: its authors take no responsibility for any harm or loss that may come from "
           "using it. It is no medical advice; please talk to your doctor about your health.\n\n"
           "The pictures in the \"images\" folder were made for this program and are believed "
           "free to use. If you created a picture found there and would like it removed or "
           "credited, please get in touch.\n\n"
           "The quit-smoking resources this program links to had no part in making it; they are "
           "listed because their help has meant a lot to many people who quit."));
}

} // namespace ashtally
