// Copying options into the window's controls and back, for every kind of control that carries
// an option.
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/currencyedit.h"
#include "app/optionbinding.h"
#include "settings/options.h"
#include "util/numberedstrings.h"

namespace ashtally {
namespace {

// A window holding one control of each kind, named after options of the program's set; a label
// and a check box named after options prove that labels are never bound, wherever they sit.
class BindingTest : public ::testing::Test {
protected:
    BindingTest() : options(EnglishStrings(), "/opt/ashtally/") {
        options.SetMessageHandler([this](const std::string& m) { messages.push_back(m); });
        auto* layout = new QVBoxLayout(&window);
        auto* page = new QWidget(&window); // a nested container, hidden like an unshown page
        auto* pageLayout = new QVBoxLayout(page);
        layout->addWidget(page);
        page->hide();

        cbDo72 = Add<QCheckBox>(pageLayout, page, "CBDO72"); // letter case ignored
        edCigsNum = Add<QSpinBox>(pageLayout, page, "edCigsNum");
        edCigsNum->setRange(-1000000, 1000000);
        edInterest = Add<QDoubleSpinBox>(pageLayout, page, "edInterest");
        edInterest->setDecimals(4);
        edMoneyCount = Add<CurrencyEdit>(pageLayout, page, "edMoneyCount");
        edDo72 = Add<QLineEdit>(pageLayout, page, "edDo72");
        memStats = Add<QPlainTextEdit>(pageLayout, page, "memStats");
        label = Add<QLabel>(pageLayout, page, "edYear");
        label->setText("label text");
    }

    template <class T>
    T* Add(QVBoxLayout* layout, QWidget* parent, const char* name) {
        auto* control = new T(parent);
        control->setObjectName(QString::fromLatin1(name));
        layout->addWidget(control);
        return control;
    }

    TOptions options;
    std::vector<std::string> messages;
    QWidget window;
    QCheckBox* cbDo72;
    QSpinBox* edCigsNum;
    QDoubleSpinBox* edInterest;
    CurrencyEdit* edMoneyCount;
    QLineEdit* edDo72;
    QPlainTextEdit* memStats;
    QLabel* label;
};

TEST_F(BindingTest, OptionsReachEveryKindOfControlAndComeBack) {
    options.SetBool(ocbDo72, false);
    options.SetInt(oedCigsNum, 750);
    options.SetReal(oedInterest, 2.5);
    options.SetReal(oedMoneyCount, 12.3456);
    options.SetStr(oedDo72, "<DiffInHours> h|long = text");
    options.SetStr(omemStats, "one\r\ntwo\rthree\nfour\r\n");
    OptionsToControls(&window, options, [this](const std::string& m) { messages.push_back(m); });

    EXPECT_FALSE(cbDo72->isChecked());
    EXPECT_EQ(edCigsNum->value(), 750);
    EXPECT_DOUBLE_EQ(edInterest->value(), 2.5);
    EXPECT_EQ(edMoneyCount->Money(), 123456);
    EXPECT_EQ(edDo72->text(), "<DiffInHours> h|long = text");
    EXPECT_EQ(memStats->toPlainText(), "one\ntwo\nthree\nfour\n");
    EXPECT_EQ(label->text(), "label text");

    // Fresh defaults, then the controls copied back.
    TOptions back(EnglishStrings(), "/opt/ashtally/");
    ControlsToOptions(&window, back);
    EXPECT_FALSE(back.GetBool(ocbDo72));
    EXPECT_EQ(back.GetInt(oedCigsNum), 750);
    EXPECT_DOUBLE_EQ(back.GetReal(oedInterest), 2.5);
    EXPECT_DOUBLE_EQ(back.GetReal(oedMoneyCount), 12.3456);
    EXPECT_EQ(back.GetStr(oedDo72), "<DiffInHours> h|long = text");
    EXPECT_EQ(back.GetStr(omemStats), "one\r\ntwo\r\nthree\r\nfour\r\n");
    EXPECT_EQ(back.GetStr(oedYear), options.GetStr(oedYear)); // the label was not read
    EXPECT_TRUE(messages.empty());
}

TEST_F(BindingTest, AControlNotifiesOnlyWhenItsShownValueChanges) {
    OptionsToControls(&window, options, [](const std::string&) {});
    QSignalSpy memo(memStats, &QPlainTextEdit::textChanged);
    QSignalSpy edit(edDo72, &QLineEdit::textChanged);
    QSignalSpy spin(edCigsNum, &QSpinBox::valueChanged);
    QSignalSpy box(cbDo72, &QCheckBox::toggled);

    OptionsToControls(&window, options, [](const std::string&) {});
    EXPECT_EQ(memo.count(), 0);
    EXPECT_EQ(edit.count(), 0);
    EXPECT_EQ(spin.count(), 0);
    EXPECT_EQ(box.count(), 0);

    options.SetStr(omemStats, "changed");
    options.SetBool(ocbDo72, false);
    OptionsToControls(&window, options, [](const std::string&) {});
    EXPECT_EQ(memo.count(), 1);
    EXPECT_EQ(box.count(), 1);
    EXPECT_EQ(edit.count(), 0);
}

TEST_F(BindingTest, ADecimalSpinEditIntoAWholeNumberOptionRoundsHalvesToEven) {
    // A decimal spin edit that carries a whole-number option.
    auto* decimal = new QDoubleSpinBox(&window);
    decimal->setObjectName("edDaysNum");
    decimal->setRange(-100, 100);
    for (const auto& [shown, stored] :
         std::vector<std::pair<double, int>>{{12.5, 12}, {13.5, 14}, {-2.5, -2}, {7.4, 7}}) {
        decimal->setValue(shown);
        ControlsToOptions(&window, options);
        EXPECT_EQ(options.GetInt(oedDaysNum), stored) << shown;
    }
}

TEST_F(BindingTest, AValueAControlCannotTakeIsReportedAndTheRestGoOn) {
    // A text option shown by a check box, and a number beyond what the spin edit can show.
    auto* box = new QCheckBox(&window);
    box->setObjectName("edYear");
    box->setChecked(true);
    options.SetStr(oedYear, "maybe");
    options.SetInt(oedCigsNum, 5000000);
    options.SetStr(oedDo72, "still copied");
    OptionsToControls(&window, options, [this](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(messages, (std::vector<std::string>{"P5 Value", "P5 Checked"}));
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(edCigsNum->value(), 0);
    EXPECT_EQ(edDo72->text(), "still copied");
}

} // namespace
} // namespace ashtally
