#include "stats/statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/formulaparser.h"
#include "util/errors.h"

namespace ashtally {
namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
             int millisecond = 0) {
    return EncodeDateTime({year, month, day, hour, minute, second, millisecond});
}

// A pack of 20 at 5.00, 20 a day, quit 2024-03-10 08:30.
Quitter Smoker() {
    Quitter q;
    q.Name = "Ann";
    q.QuitDate = At(2024, 3, 10, 8, 30);
    q.CigPerDay = 20;
    q.CigPerPack = 20;
    q.CostPerPack = 50000;
    return q;
}

class StatisticsTest : public ::testing::Test {
protected:
    TFormulaParser parser;
    RegionalSettings regional;
    StatsContext context{parser, EnglishStrings(), regional, StatsSettings{5, 3, 5}};
};

TEST_F(StatisticsTest, OneDayAfterTheQuitEveryVariableIsSet) {
    context.Settings.MinPerCig = 7.5;
    const Quitter q = Smoker();
    SetQuitterVariables(context, q);
    SetDateVariables(context, q, At(2024, 3, 11, 8, 30));
    const std::vector<std::pair<const char*, double>> expected{
        {"MINPERCIG", 7.5},
        {"CIGPERDAY", 20},
        {"CIGPERPACK", 20},
        {"COSTPERPACK", 5},
        {"QUITYEAR", 2024},
        {"QUITMONTH", 3},
        {"QUITDAY", 10},
        {"QUITHOUR", 8},
        {"QUITMIN", 30},
        {"QUITSEC", 0},
        {"NOWYEAR", 2024},
        {"NOWMONTH", 3},
        {"NOWDAY", 11},
        {"NOWHOUR", 8},
        {"NOWMIN", 30},
        {"NOWSEC", 0},
        {"DIFFINYEARS", 1 / 365.25},
        {"DIFFINMONTHS", 1 / 30.4375},
        {"DIFFINDAYS", 1},
        {"DIFFINWEEKS", 1.0 / 7},
        {"DIFFINHOURS", 24},
        {"DIFFINMINS", 1440},
        {"DIFFINSECS", 86400},
    };
    for (const auto& [name, value] : expected) {
        EXPECT_DOUBLE_EQ(parser.GetVar(name), value) << name;
    }
    // The money variable belongs to the money milestones alone.
    EXPECT_THROW(parser.GetVar("MONEYSAVED"), Exception);
}

TEST_F(StatisticsTest, CalendarPartsAreTakenAfterRoundingToTheMillisecond) {
    Quitter q = Smoker();
    q.QuitDate = At(2024, 3, 10, 8, 30, 59, 999) + 0.6 / kMsPerDay; // rounds up to 08:31:00
    SetDateVariables(context, q, At(2024, 12, 31, 23, 59, 59, 999) + 0.6 / kMsPerDay);
    EXPECT_EQ(parser.GetVar("QUITMIN"), 31);
    EXPECT_EQ(parser.GetVar("QUITSEC"), 0);
    EXPECT_EQ(parser.GetVar("NOWYEAR"), 2025);
    EXPECT_EQ(parser.GetVar("NOWMONTH"), 1);
    EXPECT_EQ(parser.GetVar("NOWDAY"), 1);
    EXPECT_EQ(parser.GetVar("NOWHOUR"), 0);
    // The differences are not rounded.
    EXPECT_DOUBLE_EQ(parser.GetVar("DIFFINDAYS"),
                     At(2024, 12, 31, 23, 59, 59, 999) + 0.6 / kMsPerDay - q.QuitDate);
}

TEST_F(StatisticsTest, AQuitDateAheadGivesTheDistanceAndNoMoney) {
    Quitter q = Smoker();
    q.QuitDate = At(2024, 4, 19, 8, 30);
    q.MoneySaved = 123;
    SetDateVariables(context, q, At(2024, 3, 10, 8, 30));
    CalcMoneySaved(context, q, At(2024, 3, 10, 8, 30));
    EXPECT_DOUBLE_EQ(parser.GetVar("DIFFINDAYS"), 40);
    EXPECT_DOUBLE_EQ(parser.GetVar("DIFFINHOURS"), 960);
    EXPECT_EQ(q.MoneySaved, 0);
}

TEST_F(StatisticsTest, MoneySavedWithInterestCompoundedEverySecond) {
    struct Case {
        double days;
        double rate;
        std::uint32_t perPack;
        Money cost;
        Money expected;
    };
    const std::vector<Case> cases{
        {0.5, 3, 20, 50000, 25001},
        {1, 3, 20, 50000, 50002},
        {365, 3, 20, 50000, 18526508},
        {365, 0, 20, 50000, 18250000}, // no interest: the limit, cost per second times seconds
        {1, 0, 20, 50000, 50000},
        {365, 3, 0, 50000, 0}, // no cigarettes in a pack: nothing saved whatever the price
        {365, 3, 20, 0, 0},
        {0, 3, 20, 50000, 0},           // at the quit date itself
        {-3, 3, 20, 50000, 0},          // before it
        {365, -3, 20, 50000, 17978967}, // a negative rate takes away
        {1, 3, 20, -50000, -50002},
    };
    for (const auto& c : cases) {
        Quitter q = Smoker();
        q.CigPerPack = c.perPack;
        q.CostPerPack = c.cost;
        context.Settings.InterestRate = c.rate;
        CalcMoneySaved(context, q, q.QuitDate + c.days);
        EXPECT_EQ(q.MoneySaved, c.expected) << c.days << " days at " << c.rate << "%";
    }
}

TEST_F(StatisticsTest, MoneyBeyondWhatCanBeHeldIsAnErrorNotGarbage) {
    struct Case {
        double days;
        double rate;
        bool overflow; // EOverflow, else EInvalidOp
    };
    const std::vector<Case> cases{
        {1000, 1e6, true}, // the compound factor itself passes every floating-point range
        {365, 1e6, false}, // finite, but far beyond the money range
        {1e15, 0, false},  // a span beyond any calendar, without interest
        {1, -4e9, false},  // a rate below -100% a second: no real power
        {1, 1e308, true},  // an absurd rate
    };
    for (const auto& c : cases) {
        Quitter q = Smoker();
        q.MoneySaved = 777;
        context.Settings.InterestRate = c.rate;
        if (c.overflow) {
            EXPECT_THROW(CalcMoneySaved(context, q, q.QuitDate + c.days), EOverflow) << c.rate;
        } else {
            EXPECT_THROW(CalcMoneySaved(context, q, q.QuitDate + c.days), EInvalidOp) << c.rate;
        }
        EXPECT_EQ(q.MoneySaved, 777) << "nothing is stored on an error";
    }
}

TEST_F(StatisticsTest, SetStatisticsRunsTheThreeStepsForTheMoment) {
    Quitter q = Smoker();
    SetStatistics(context, q, q.QuitDate + 1);
    EXPECT_EQ(q.MoneySaved, 50002);
    EXPECT_DOUBLE_EQ(parser.GetVar("DIFFINDAYS"), 1);
    EXPECT_DOUBLE_EQ(parser.GetVar("COSTPERPACK"), 5);
}

} // namespace
} // namespace ashtally
