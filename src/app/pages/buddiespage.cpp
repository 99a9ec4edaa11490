#include "app/pages/buddiespage.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/currencyedit.h"

namespace ashtally {

namespace {

QSpinBox* CountEdit(QWidget* parent, const char* name) {
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setRange(1, 999); // three digits at most
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

QLabel* Caption(const QString& text, const char* name, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

} // namespace

BuddiesPage::BuddiesPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabBuddies"));

    edName = new QLineEdit(this);
    edName->setObjectName(QStringLiteral("edName"));
    edDate = new QDateEdit(this);
    edDate->setObjectName(QStringLiteral("edDate"));
    edDate->setCalendarPopup(true);
    edTime = new QTimeEdit(this);
    edTime->setObjectName(QStringLiteral("edTime"));
    edTime->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    edCigPerDay = CountEdit(this, "edCigPerDay");
    edCigPerPack = CountEdit(this, "edCigPerPack");
    edPricePerPack = new CurrencyEdit(this);
    edPricePerPack->setObjectName(QStringLiteral("edPricePerPack"));
    edEmail = new QLineEdit(this);
    edEmail->setObjectName(QStringLiteral("edEmail"));

    LabelName = Caption(tr("Name:"), "LabelName", edName, this);
    LabelQuitDate = Caption(tr("Quit date:"), "LabelQuitDate", edDate, this);
    LabeCigPerDay = Caption(tr("Cigaretes smoked each day:"), "LabeCigPerDay", edCigPerDay, this);
    LabelCigPerPack = Caption(tr("Cigaretes per pack:"), "LabelCigPerPack", edCigPerPack, this);
    LabelCostPerPack = Caption(tr("Cost of each pack:"), "LabelCostPerPack", edPricePerPack, this);
    LabelEmail = Caption(tr("E-mail:"), "LabelEmail", edEmail, this);

    auto* when = new QHBoxLayout;
    when->setContentsMargins(0, 0, 0, 0);
    when->addWidget(edDate, 1);
    when->addWidget(edTime);

    auto* editor = new QFormLayout;
    editor->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    editor->addRow(LabelName, edName);
    editor->addRow(LabelQuitDate, when);
    editor->addRow(LabeCigPerDay, edCigPerDay);
    editor->addRow(LabelCigPerPack, edCigPerPack);
    editor->addRow(LabelCostPerPack, edPricePerPack);
    editor->addRow(LabelEmail, edEmail);

    VSTBuddies = new QTreeView(this);
    VSTBuddies->setObjectName(QStringLiteral("VSTBuddies"));
    VSTBuddies->setRootIsDecorated(false);
    VSTBuddies->setItemsExpandable(false);
    VSTBuddies->setUniformRowHeights(true);
    VSTBuddies->setSelectionBehavior(QAbstractItemView::SelectRows);
    VSTBuddies->setSelectionMode(QAbstractItemView::SingleSelection);
    VSTBuddies->setSortingEnabled(false);
    VSTBuddies->setAllColumnsShowFocus(true);
    VSTBuddies->header()->setSectionsMovable(true);

    ButtonAdd = new QPushButton(tr("Add quit buddy"), this);
    ButtonAdd->setObjectName(QStringLiteral("ButtonAdd"));
    ButtonRemove = new QPushButton(tr("Remove from list"), this);
    ButtonRemove->setObjectName(QStringLiteral("ButtonRemove"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonAdd);
    buttons->addWidget(ButtonRemove);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(editor);
    layout->addSpacing(8);
    layout->addWidget(VSTBuddies, 1);
    layout->addLayout(buttons);

    // The editor first, then the list, then the buttons.
    setTabOrder(edName, edDate);
    setTabOrder(edDate, edTime);
    setTabOrder(edTime, edCigPerDay);
    setTabOrder(edCigPerDay, edCigPerPack);
    setTabOrder(edCigPerPack, edPricePerPack);
    setTabOrder(edPricePerPack, edEmail);
    setTabOrder(edEmail, VSTBuddies);
    setTabOrder(VSTBuddies, ButtonAdd);
    setTabOrder(ButtonAdd, ButtonRemove);
}

void BuddiesPage::SetListVisible(bool visible) {
    VSTBuddies->setVisible(visible);
    ButtonAdd->setVisible(visible);
    ButtonRemove->setVisible(visible);
}

} // namespace ashtally
