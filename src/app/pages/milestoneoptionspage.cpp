#include "app/pages/milestoneoptionspage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <initializer_list>
#include <limits>

#include "app/currencyedit.h"

namespace ashtally {

namespace {

template <class T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The steps have no limits of their own: a step of zero or less simply makes no milestones.
QSpinBox* WholeNumberEdit(QWidget* parent, const char* name) {
    auto* edit = Named(new QSpinBox(parent), name);
    edit->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setAccelerated(true);
    return edit;
}

// A decimal number shown without trailing zeros ("3", "2.5"), yet keeping four decimals.
class TrimmedDoubleSpinBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

    QString textFromValue(double value) const override {
        QString text = locale().toString(value, 'f', decimals());
        const QString point = locale().decimalPoint();
        if (text.contains(point)) {
            while (text.endsWith(QLatin1Char('0'))) {
                text.chop(1);
            }
            if (text.endsWith(point)) {
                text.chop(point.size());
            }
        }
        return text.remove(locale().groupSeparator());
    }
};

QDoubleSpinBox* DecimalEdit(QWidget* parent, const char* name) {
    auto* edit = Named(new TrimmedDoubleSpinBox(parent), name);
    edit->setRange(-1e9, 1e9);
    edit->setDecimals(4);
    edit->setSingleStep(0.5);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setAccelerated(true);
    return edit;
}

} // namespace

MilestoneOptionsPage::MilestoneOptionsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabMilSetup"));

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("MilSetupContent"));

    cbDo72 = Named(new QCheckBox(tr("First 72 hours not smoked"), content), "cbDo72");
    edDo72 = Named(new QLineEdit(content), "edDo72");

    cbDoCigs = Named(new QCheckBox(tr("Cigarettes not smoked, every:"), content), "cbDoCigs");
    edCigsNum = WholeNumberEdit(content, "edCigsNum");
    edDoCigs = Named(new QLineEdit(content), "edDoCigs");

    cbMoney = Named(new QCheckBox(tr("Money saved, each:"), content), "cbMoney");
    edMoneyCount = Named(new CurrencyEdit(content), "edMoneyCount");
    Label8 = Named(new QLabel(tr("interest rate %"), content), "Label8");
    edInterest = DecimalEdit(content, "edInterest");
    Label8->setBuddy(edInterest);
    edMoney = Named(new QLineEdit(content), "edMoney");

    cbLife = Named(new QCheckBox(tr("Life saved, every:"), content), "cbLife");
    edLifeNum = WholeNumberEdit(content, "edLifeNum");
    Label7 = Named(new QLabel(tr("days"), content), "Label7");
    Label6 = Named(new QLabel(tr("Min/cig not smoked:"), content), "Label6");
    edMinCig = DecimalEdit(content, "edMinCig");
    Label6->setBuddy(edMinCig);
    edLife = Named(new QLineEdit(content), "edLife");

    cbDays = Named(new QCheckBox(tr("Days quit, every:"), content), "cbDays");
    edDaysNum = WholeNumberEdit(content, "edDaysNum");
    edDays = Named(new QLineEdit(content), "edDays");

    cbMonths = Named(new QCheckBox(tr("Months quit, every:"), content), "cbMonths");
    edMonthNum = WholeNumberEdit(content, "edMonthNum");
    edMonths = Named(new QLineEdit(content), "edMonths");

    cbYear = Named(new QCheckBox(tr("Annual quit date"), content), "cbYear");
    edYear = Named(new QLineEdit(content), "edYear");

    buttonSetDef = Named(new QPushButton(tr("Set Defaults"), this), "buttonSetDef");

    // Each rule: its switch with its step on one row, its text across the page on the next;
    // the money and life rules have one more setting, on a row of its own. Column 0 holds the
    // switches and captions, column 1 the numbers, column 2 takes what width is left.
    for (QAbstractSpinBox* number : std::initializer_list<QAbstractSpinBox*>{
             edCigsNum, edMoneyCount, edInterest, edLifeNum, edMinCig, edDaysNum, edMonthNum}) {
        number->setMinimumWidth(110);
        number->setMaximumWidth(160);
    }
    auto* grid = new QGridLayout(content);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(4);
    int row = 0;
    auto addRule = [&](QCheckBox* rule, QLayoutItem* step) {
        grid->addWidget(rule, row, 0);
        if (step != nullptr) {
            grid->addItem(step, row, 1);
        }
        ++row;
    };
    auto addSetting = [&](QLabel* caption, QWidget* number) {
        grid->addWidget(caption, row, 0, Qt::AlignRight);
        grid->addWidget(number, row, 1);
        ++row;
    };
    auto addText = [&](QLineEdit* text) {
        grid->addWidget(text, row++, 0, 1, 3);
        grid->setRowMinimumHeight(row++, 8);
    };
    auto single = [](QWidget* widget) {
        auto* box = new QHBoxLayout;
        box->setContentsMargins(0, 0, 0, 0);
        box->addWidget(widget);
        return box;
    };

    addRule(cbDo72, nullptr);
    addText(edDo72);
    addRule(cbDoCigs, single(edCigsNum));
    addText(edDoCigs);
    addRule(cbMoney, single(edMoneyCount));
    addSetting(Label8, edInterest);
    addText(edMoney);
    // "days" belongs right after the life step.
    auto* lifeStep = new QHBoxLayout;
    lifeStep->setContentsMargins(0, 0, 0, 0);
    lifeStep->addWidget(edLifeNum, 1);
    lifeStep->addWidget(Label7);
    addRule(cbLife, lifeStep);
    addSetting(Label6, edMinCig);
    addText(edLife);
    addRule(cbDays, single(edDaysNum));
    addText(edDays);
    addRule(cbMonths, single(edMonthNum));
    addText(edMonths);
    addRule(cbYear, nullptr);
    grid->addWidget(edYear, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("MilSetupScroll"));
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(buttonSetDef);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
}

} // namespace ashtally
