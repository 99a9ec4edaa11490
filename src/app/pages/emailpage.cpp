#include "app/pages/emailpage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ashtally {

EmailPage::EmailPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabEmail"));

    EmailBox = new QListWidget(this);
    EmailBox->setObjectName(QStringLiteral("EmailBox"));
    EmailBox->setSelectionMode(QAbstractItemView::SingleSelection);

    LabelMilesToCeleb = new QLabel(tr("Milestones to celebrate today:"), this);
    LabelMilesToCeleb->setObjectName(QStringLiteral("LabelMilesToCeleb"));
    LabelMilesToCeleb->setBuddy(EmailBox);

    ButtonPrepareEmails = new QPushButton(tr("Prepare selected email"), this);
    ButtonPrepareEmails->setObjectName(QStringLiteral("ButtonPrepareEmails"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonPrepareEmails);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelMilesToCeleb);
    layout->addWidget(EmailBox, 1);
    layout->addLayout(buttons);
}

} // namespace ashtally
