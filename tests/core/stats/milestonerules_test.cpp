#include "stats/milestonerules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "formula/ecalculate.h"
#include "formula/formulaparser.h"
#include "stats/statistics.h"
#include "util/numberedstrings.h"

namespace ashtally {
namespace {

constexpr double kMs = 1.0 / 86400000.0;

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return EncodeDateTime({year, month, day, hour, minute, second, 0});
}

std::string Stamp(TDateTime moment) {
    const DateTimeParts p = DecodeDateTime(moment);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.Year, p.Month, p.Day,
                  p.Hour, p.Minute, p.Second);
    return text;
}

Quitter Smoker(TDateTime quitDate, std::string name = "Ann") {
    Quitter q;
    q.Name = std::move(name);
    q.EMail = "ann@example.org";
    q.QuitDate = quitDate;
    q.CigPerDay = 20;
    q.CigPerPack = 20;
    q.CostPerPack = 50000;
    return q;
}

// Every rule off; each rule's template tells its rows apart by the long text.
MilestoneSettings NoRules() {
    MilestoneSettings s;
    s.Do72 = s.DoCigs = s.DoMoney = s.DoLife = s.DoDays = s.DoMonths = s.DoYear = false;
    s.Do72Template = "<DiffInHours>|72h";
    s.CigsTemplate = "<CigPerDay*DiffInDays>|cigs";
    s.MoneyTemplate = "<moneysaved>|money <MoneySaved*1>";
    s.LifeTemplate = "<lifetext>|life";
    s.DaysTemplate = "<DiffInDays>|days";
    s.MonthsTemplate = "<NowYear>-<NowMonth>-<NowDay>|months";
    s.YearTemplate = "<NowYear>|year";
    return s;
}

class MilestoneRulesTest : public ::testing::Test {
protected:
    // The rules for one quitter as a rebuild applies them, the window running from start to
    // horizon days after now.
    std::vector<Milestone> Apply(Quitter& q, TDateTime now, TDateTime start, double horizon) {
        clock.Set(now);
        list.Clear();
        SetQuitterVariables(context, q);
        MilestoneRules rules(context, settings, clock, list);
        rules.AddQuitterMilestones(q, horizon, start);
        return {list.begin(), list.end()};
    }

    // The rows of one rule, told by their long text's first word.
    static std::vector<Milestone> OfRule(const std::vector<Milestone>& rows,
                                         const std::string& rule) {
        std::vector<Milestone> result;
        for (const Milestone& row : rows) {
            if (row.LongText.substr(0, row.LongText.find(' ')) == rule) {
                result.push_back(row);
            }
        }
        return result;
    }

    // A moment whose first-72-hours window starts exactly at lower.
    static TDateTime NowWithLower(TDateTime lower) {
        TDateTime now = lower + 0.3;
        while (now - 0.3 > lower) {
            now = std::nextafter(now, -HUGE_VAL);
        }
        while (now - 0.3 < lower) {
            now = std::nextafter(now, HUGE_VAL);
        }
        return now;
    }

    TFormulaParser parser;
    RegionalSettings regional;
    StatsContext context{parser, EnglishStrings(), regional, StatsSettings{5, 3, 5}};
    FixedClock clock;
    MilestoneList list;
    MilestoneSettings settings = NoRules();
};

int LevelOfHour(int hour) {
    return hour <= 10 ? 0 : hour <= 30 ? 1 : hour <= 50 ? 2 : hour <= 70 ? 3 : 4;
}

TEST_F(MilestoneRulesTest, First72HoursAroundNow) {
    settings.Do72 = true;
    struct Case {
        TDateTime quit;
        TDateTime now;
        int firstHour;
        int lastHour;
    };
    const std::vector<Case> cases{
        // The window starts 7.2 hours back: at 04:48, so hour 29 (05:00) is the first.
        {At(2024, 1, 1), At(2024, 1, 2, 12), 29, 71},
        // Quit just now: every hour up to 64.8 hours ahead, where the window ends.
        {At(2024, 1, 1, 9, 15), At(2024, 1, 1, 9, 15), 1, 64},
        // A quit date a day ahead: only the hours no later than 64.8 hours from now.
        {At(2024, 1, 2, 9, 15), At(2024, 1, 1, 9, 15), 1, 40},
        // Long quit, or not for days yet: nothing.
        {At(2023, 1, 1), At(2024, 1, 1), 0, -1},
        {At(2024, 1, 5), At(2024, 1, 1), 0, -1},
    };
    for (const Case& c : cases) {
        Quitter q = Smoker(c.quit);
        const std::vector<Milestone> rows = Apply(q, c.now, c.now - 5, 1000);
        ASSERT_EQ(static_cast<int>(rows.size()), c.lastHour - c.firstHour + 1) << Stamp(c.now);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int hour = c.firstHour + static_cast<int>(i);
            EXPECT_NEAR(rows[i].When, c.quit + hour / 24.0, kMs) << hour;
            EXPECT_EQ(rows[i].ShortText, std::to_string(hour));
            EXPECT_EQ(rows[i].LongText, "72h");
            EXPECT_EQ(rows[i].Level, LevelOfHour(hour)) << hour;
        }
    }
    Quitter q = Smoker(At(2024, 1, 1));
    const std::vector<Milestone> rows = Apply(q, At(2024, 1, 2, 12), 0, 1000);
    EXPECT_EQ(Stamp(rows.front().When), "2024-01-02 05:00:00");
    EXPECT_EQ(Stamp(rows.back().When), "2024-01-03 23:00:00");
}

TEST_F(MilestoneRulesTest, First72HoursWindowIncludesBothEnds) {
    settings.Do72 = true;
    Quitter q = Smoker(45000);
    // The window starts exactly at hour 3.
    std::vector<Milestone> rows = Apply(q, NowWithLower(45000.125), 0, 1000);
    ASSERT_EQ(rows.size(), 69u);
    EXPECT_EQ(rows.front().When, 45000.125);
    EXPECT_EQ(rows.front().ShortText, "3");
    // The window ends exactly at hour 69: hours 70 and 71 are past it.
    rows = Apply(q, NowWithLower(44999.875), 0, 1000);
    ASSERT_EQ(rows.size(), 69u);
    EXPECT_EQ(rows.back().When, 45002.875);
    EXPECT_EQ(rows.back().ShortText, "69");
}

TEST_F(MilestoneRulesTest, CigarettesEveryStepWithBothWindowEnds) {
    settings.DoCigs = true;
    settings.CigsNum = 40; // 2 days at 20 a day
    Quitter q = Smoker(45000);
    const std::vector<Milestone> rows = Apply(q, 45020, 45010, 10);
    ASSERT_EQ(rows.size(), 11u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].When, 45010 + 2.0 * static_cast<double>(i));
        EXPECT_EQ(rows[i].ShortText, std::to_string(200 + 40 * i));
        EXPECT_EQ(rows[i].LongText, "cigs");
        EXPECT_EQ(rows[i].Level, 0);
    }
}

TEST_F(MilestoneRulesTest, CigaretteMomentsAddUpStepByStep) {
    settings.DoCigs = true;
    settings.CigsNum = 1;
    Quitter q = Smoker(45000.3);
    q.CigPerDay = 7;
    const std::vector<Milestone> rows = Apply(q, 45000.3, 45000.3, 30.05);
    ASSERT_EQ(rows.size(), 210u);
    TDateTime moment = q.QuitDate;
    for (const Milestone& row : rows) {
        moment += 1.0 / 7;
        EXPECT_EQ(row.When, moment);
    }
}

TEST_F(MilestoneRulesTest, LevelsOfTheCigaretteAndLifeRules) {
    struct Case {
        std::int32_t cigsNum;
        std::uint32_t cigPerDay;
        int level; // Round(step in days / 100), halves to even, at most 4
    };
    const std::vector<Case> cigs{
        {1000, 20, 0}, // 50 days: 0.5 rounds to 0
        {2000, 20, 1}, // 100 days
        {3000, 20, 2}, // 150 days: 1.5 rounds to 2
        {5000, 20, 2}, // 250 days: 2.5 rounds to 2
        {7000, 20, 4}, // 350 days: 3.5 rounds to 4
        {1000000, 1, 4},
    };
    settings.DoCigs = true;
    for (const Case& c : cigs) {
        settings.CigsNum = c.cigsNum;
        Quitter q = Smoker(45000);
        q.CigPerDay = c.cigPerDay;
        const double step = static_cast<double>(c.cigsNum) / c.cigPerDay;
        const std::vector<Milestone> rows = Apply(q, 45000, 45000, step * 1.5);
        ASSERT_EQ(rows.size(), 1u) << c.cigsNum;
        EXPECT_EQ(rows[0].Level, c.level) << c.cigsNum;
    }
    // Life: N days take N * 1440 / 5 cigarettes, at 40 a day.
    settings = NoRules();
    settings.DoLife = true;
    // 7.2, 43.2, 100.8, 252 and 352.8 days.
    const std::vector<std::pair<std::int32_t, int>> life{{1, 0}, {6, 0}, {14, 1}, {35, 3}, {49, 4}};
    for (const auto& [days, level] : life) {
        settings.LifeNum = days;
        Quitter q = Smoker(45000);
        q.CigPerDay = 40;
        const std::vector<Milestone> rows = Apply(q, 45000, 45000, days * 7.2 * 1.5);
        ASSERT_EQ(rows.size(), 1u) << days;
        EXPECT_EQ(rows[0].Level, level) << days;
    }
}

// The step follows the minutes per cigarette the page shows; the life text the stored one.
TEST_F(MilestoneRulesTest, LifeSavedEveryDayOfLife) {
    settings.DoLife = true;
    Quitter q = Smoker(45000);
    q.CigPerDay = 40; // a day of life every 7.2 days at 5 minutes a cigarette
    std::vector<Milestone> rows = Apply(q, 45000, 45000, 30);
    ASSERT_EQ(rows.size(), 4u);
    const std::vector<std::string> texts{"1 day", "2 days", "3 days", "4 days"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(rows[i].When, 45000 + 7.2 * static_cast<double>(i + 1), kMs);
        EXPECT_EQ(rows[i].ShortText, texts[i]);
        EXPECT_EQ(rows[i].LongText, "life");
    }
    context.Settings.MinPerCig = 10;
    rows = Apply(q, 45000, 45000, 30);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_NEAR(rows[0].When, 45003.6, kMs);
    EXPECT_EQ(rows[0].ShortText, "12 hours");
}

TEST_F(MilestoneRulesTest, DaysQuitAroundNow) {
    settings.DoDays = true;
    // Quit 503 days ago: days 500 (three days back) to 1500, not day 400.
    const TDateTime now = At(2024, 7, 20, 14, 45, 10);
    Quitter q = Smoker(now - 503);
    std::vector<Milestone> rows = Apply(q, now, now - 5, 1000);
    ASSERT_EQ(rows.size(), 11u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].ShortText, std::to_string(500 + 100 * i));
        EXPECT_EQ(rows[i].When, q.QuitDate + (500 + 100 * static_cast<double>(i)));
        EXPECT_EQ(rows[i].Level, 1);
    }
    // Both ends of the window belong to it.
    q = Smoker(45000);
    rows = Apply(q, 45600, 45500, 100);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.front().When, 45500);
    EXPECT_EQ(rows.back().When, 45700);
    // A quit date far back: the years before the window are passed over quickly.
    q = Smoker(At(1900, 1, 1, 6));
    settings.DaysNum = 1;
    rows = Apply(q, now, now - 5, 1000);
    ASSERT_EQ(rows.size(), 1005u);
    EXPECT_EQ(Stamp(rows.front().When), "2024-07-16 06:00:00");
}

TEST_F(MilestoneRulesTest, LevelsOfTheDaysAndMonthsRules) {
    settings.DoDays = true;
    const std::vector<std::pair<std::int32_t, int>> days{{1, 0},   {99, 0},  {100, 1}, {299, 2},
                                                         {399, 3}, {400, 4}, {1000, 4}};
    for (const auto& [step, level] : days) {
        settings.DaysNum = step;
        Quitter q = Smoker(45000);
        const std::vector<Milestone> rows = Apply(q, 45000, 45000, step);
        ASSERT_EQ(rows.size(), 1u) << step;
        EXPECT_EQ(rows[0].Level, level) << step;
    }
    settings = NoRules();
    settings.DoMonths = true;
    const std::vector<std::pair<std::int32_t, int>> months{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {12, 4}};
    for (const auto& [step, level] : months) {
        settings.MonthNum = step;
        Quitter q = Smoker(At(2024, 1, 15));
        const std::vector<Milestone> rows = Apply(q, q.QuitDate, q.QuitDate, 31.0 * step);
        ASSERT_EQ(rows.size(), 1u) << step;
        EXPECT_EQ(rows[0].Level, level) << step;
    }
}

// Every moment is counted from the quit date: a quit on the 31st comes back to the 31st.
TEST_F(MilestoneRulesTest, MonthsQuitClampTheDayAndKeepTheTime) {
    settings.DoMonths = true;
    Quitter q = Smoker(At(2024, 1, 31, 10, 30));
    std::vector<Milestone> rows = Apply(q, q.QuitDate, q.QuitDate, 250);
    std::vector<std::string> stamps;
    for (const Milestone& row : rows) {
        stamps.push_back(Stamp(row.When));
    }
    EXPECT_EQ(stamps, (std::vector<std::string>{"2024-02-29 10:30:00", "2024-03-31 10:30:00",
                                                "2024-04-30 10:30:00", "2024-05-31 10:30:00",
                                                "2024-06-30 10:30:00", "2024-07-31 10:30:00",
                                                "2024-08-31 10:30:00", "2024-09-30 10:30:00"}));
    EXPECT_EQ(rows[0].ShortText, "2024-2-29");
    EXPECT_EQ(rows[0].LongText, "months");

    settings.MonthNum = 2;
    rows = Apply(q, q.QuitDate, q.QuitDate, 250);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(Stamp(rows[0].When), "2024-03-31 10:30:00");
    EXPECT_EQ(Stamp(rows[3].When), "2024-09-30 10:30:00");

    // Both ends of the window belong to it (moments at midnight are exact).
    settings.MonthNum = 1;
    q = Smoker(At(2024, 1, 31));
    rows = Apply(q, At(2024, 3, 1), At(2024, 3, 31), At(2024, 5, 31) - At(2024, 3, 1));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows.front().When, At(2024, 3, 31));
    EXPECT_EQ(rows.back().When, At(2024, 5, 31));
}

TEST_F(MilestoneRulesTest, AnniversariesOfALeapDayQuit) {
    settings.DoYear = true;
    Quitter q = Smoker(At(2024, 2, 29, 8));
    const std::vector<Milestone> rows = Apply(q, q.QuitDate + 100, q.QuitDate + 100, 1500);
    std::vector<std::string> stamps;
    for (const Milestone& row : rows) {
        stamps.push_back(Stamp(row.When));
        EXPECT_EQ(row.Level, 4);
        EXPECT_EQ(row.LongText, "year");
    }
    EXPECT_EQ(stamps, (std::vector<std::string>{"2025-02-28 08:00:00", "2026-02-28 08:00:00",
                                                "2027-02-28 08:00:00", "2028-02-29 08:00:00"}));
    EXPECT_EQ(rows[0].ShortText, "2025");
}

// A quitter saving 10.00 a day, 251.00 now: the round amounts 300, 400 and 500 are reached on
// days 30, 40 and 50, so their rows sit on the first moments of the 8-hour grid (which starts
// at the window start, day 20.1) after those days. The texts show the round amount, both the
// quitter's saving and the formula variable.
TEST_F(MilestoneRulesTest, MoneySavedOnTheEightHourGrid) {
    settings.DoMoney = true;
    context.Settings.InterestRate = 0;
    Quitter q = Smoker(45000);
    q.CostPerPack = 100000;
    const TDateTime now = 45025.1;
    const std::vector<Milestone> rows = Apply(q, now, now - 5, 30);
    ASSERT_EQ(rows.size(), 3u);
    const std::vector<double> days{30.1, 40.1, 50.1};
    const std::vector<std::string> amounts{"300", "400", "500"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(rows[i].When, 45000 + days[i], kMs);
        EXPECT_EQ(rows[i].ShortText, "$" + amounts[i] + ".00");
        EXPECT_EQ(rows[i].LongText, "money " + amounts[i]);
        EXPECT_EQ(rows[i].Level, 1);
    }
    // The rule leaves the saving of the last grid moment (less than 8 hours before the end of
    // the window), which later rules' texts show.
    EXPECT_NEAR(static_cast<double>(q.MoneySaved),
                static_cast<double>(MoneySavedAt(q, now + 30, 0)), 10.0 / 3 * kMoneyScale);
}

struct MoneyRow {
    TDateTime When;
    Money Amount;
};

// The money rule step by step: the saving at every grid moment in turn.
std::vector<MoneyRow> WalkMoneyGrid(const Quitter& q, TDateTime now, TDateTime lower,
                                    TDateTime upper, Money step, double rate, Money& left) {
    std::vector<MoneyRow> rows;
    Money saved = MoneySavedAt(q, now, rate);
    Money threshold = step * (saved / step + 1);
    for (TDateTime t = lower; t <= upper; t = (t * 24 + 8) / 24) {
        saved = MoneySavedAt(q, t, rate);
        if (saved >= threshold) {
            rows.push_back({t, threshold});
            saved = threshold;
            threshold += step;
        }
    }
    left = saved;
    return rows;
}

TEST_F(MilestoneRulesTest, MoneyRowsAreThoseOfTheStepByStepWalk) {
    struct Case {
        std::uint32_t cigPerDay;
        Money costPerPack;
        double rate;
        Money step;
        double quitDaysAgo;
    };
    const std::vector<Case> cases{
        {20, 50000, 3, 1000000, 400},    // the defaults: 100.00 at 3 percent
        {40, 10000, 0, 1000000, 30},     // a new quitter's figures, no interest
        {20, 50000, 25, 10000, 365},     // steep interest, 1.00 a row
        {20, 50000, -50, 100000, 700},   // the saving slows down
        {10, 80000, 3, 1, 100},          // 0.0001: a row at every grid moment from now
        {20, 50000, 3, 10000000000, 10}, // an amount never reached
        {20, -50000, 3, 1000000, 10},    // a negative price: the saving falls
        {20, 50000, 3, 1000000, -100},   // quitting in 100 days
        {0, 50000, 3, 1000000, 100},     // nothing saved
    };
    settings.DoMoney = true;
    settings.MoneyTemplate = "<MoneySaved*10000>|money";
    const TDateTime now = At(2024, 7, 20, 14, 45, 10);
    for (const Case& c : cases) {
        Quitter q = Smoker(now - c.quitDaysAgo);
        q.CigPerDay = c.cigPerDay;
        q.CostPerPack = c.costPerPack;
        context.Settings.InterestRate = c.rate;
        settings.MoneyCount = c.step;
        const std::vector<Milestone> rows = Apply(q, now, now - 5, 1000);
        Money left = 0;
        const std::vector<MoneyRow> expected =
            WalkMoneyGrid(q, now, now - 5, now + 1000, c.step, c.rate, left);
        ASSERT_EQ(rows.size(), expected.size()) << c.rate << " " << c.step;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].When, expected[i].When) << i;
            ASSERT_EQ(rows[i].ShortText, std::to_string(expected[i].Amount)) << i;
            EXPECT_GE(rows[i].When, now);
        }
        EXPECT_EQ(q.MoneySaved, left) << c.rate << " " << c.step;
    }
}

// A rule that cannot step adds no rows; the other rules and the rebuild go on.
TEST_F(MilestoneRulesTest, RulesWithoutAPositiveStepAddNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::string what;
        std::function<void(MilestoneSettings&, StatsSettings&, Quitter&)> change;
        std::vector<std::string> silent;
    };
    const std::vector<Case> cases{
        {"0 cigarettes", [](auto& s, auto&, auto&) { s.CigsNum = 0; }, {"cigs"}},
        {"-500 cigarettes", [](auto& s, auto&, auto&) { s.CigsNum = -500; }, {"cigs"}},
        // Nothing is saved either.
        {"0 a day", [](auto&, auto&, auto& q) { q.CigPerDay = 0; }, {"cigs", "money", "life"}},
        {"0 days of life", [](auto& s, auto&, auto&) { s.LifeNum = 0; }, {"life"}},
        {"-1 day of life", [](auto& s, auto&, auto&) { s.LifeNum = -1; }, {"life"}},
        {"0 min/cig", [](auto&, auto& st, auto&) { st.MinPerCig = 0; }, {"life"}},
        {"-5 min/cig", [](auto&, auto& st, auto&) { st.MinPerCig = -5; }, {"life"}},
        {"NaN min/cig", [nan](auto&, auto& st, auto&) { st.MinPerCig = nan; }, {"life"}},
        {"inf min/cig", [inf](auto&, auto& st, auto&) { st.MinPerCig = inf; }, {"life"}},
        {"1e-300 min/cig", [](auto&, auto& st, auto&) { st.MinPerCig = 1e-300; }, {"life"}},
        {"money 0", [](auto& s, auto&, auto&) { s.MoneyCount = 0; }, {"money"}},
        {"money -100", [](auto& s, auto&, auto&) { s.MoneyCount = -1000000; }, {"money"}},
        {"0 days", [](auto& s, auto&, auto&) { s.DaysNum = 0; }, {"days"}},
        {"-100 days", [](auto& s, auto&, auto&) { s.DaysNum = -100; }, {"days"}},
        {"0 months", [](auto& s, auto&, auto&) { s.MonthNum = 0; }, {"months"}},
        {"-1 month", [](auto& s, auto&, auto&) { s.MonthNum = -1; }, {"months"}},
    };
    const std::vector<std::string> rules{"72h", "cigs", "money", "life", "days", "months", "year"};
    const TDateTime now = At(2024, 7, 20, 14, 45, 10);
    for (const Case& c : cases) {
        settings = NoRules();
        settings.Do72 = settings.DoCigs = settings.DoMoney = settings.DoLife = settings.DoDays =
            settings.DoMonths = settings.DoYear = true;
        context.Settings = StatsSettings{5, 3, 5};
        Quitter q = Smoker(now - 2);
        c.change(settings, context.Settings, q);
        const std::vector<Milestone> rows = Apply(q, now, now - 5, 1000);
        for (const std::string& rule : rules) {
            const bool silent = std::find(c.silent.begin(), c.silent.end(), rule) != c.silent.end();
            EXPECT_EQ(OfRule(rows, rule).empty(), silent) << c.what << ": " << rule;
        }
    }
}

// Steps so small that a rule would make millions of rows: each rule stops at its row limit
// (keeping the earliest) or when the step no longer moves the moment, and nothing hangs.
TEST_F(MilestoneRulesTest, TinyStepsAreBounded) {
    const TDateTime now = At(2024, 7, 20, 14, 45, 10);
    const TDateTime start = now - 5;
    settings.DoCigs = true;
    settings.CigsNum = 1;
    Quitter q = Smoker(now - 30 * 365.25);
    q.CigPerDay = 999;
    std::vector<Milestone> rows = Apply(q, now, start, 1000);
    ASSERT_EQ(rows.size(), MilestoneRules::kMaxRowsPerRule);
    EXPECT_GE(rows.front().When, start);
    EXPECT_LT(rows.front().When, start + 1.0 / 999);
    EXPECT_NEAR(rows.back().When, rows.front().When + 9999.0 / 999, 1e-6);

    q.CigPerDay = 4294967295u; // a step of 20 microseconds, quit 30 years ago
    rows = Apply(q, now, start, 1000);
    EXPECT_EQ(rows.size(), MilestoneRules::kMaxRowsPerRule);
    EXPECT_NEAR(rows.front().When, start, 1e-6);

    settings = NoRules();
    settings.DoLife = true;
    context.Settings.MinPerCig = 1e300; // the step vanishes in the rounding of the moment
    q.CigPerDay = 40;
    rows = Apply(q, now, start, 1000);
    EXPECT_LE(rows.size(), 1u);

    settings = NoRules();
    settings.DoMoney = true;
    settings.MoneyCount = 1; // 0.0001 a row: one at every grid moment from now on
    rows = Apply(q, now, start, 1000);
    EXPECT_GE(rows.size(), 3000u);
    EXPECT_LE(rows.size(), 3016u);
}

// The current time is read as each window is set up.
TEST_F(MilestoneRulesTest, EachWindowReadsTheClock) {
    class TickingClock : public Clock {
    public:
        explicit TickingClock(TDateTime first) : m_next(first) {}
        TDateTime Now() const override { return (m_next += 1) - 1; }

    private:
        mutable TDateTime m_next;
    };
    settings.Do72 = true;
    settings.DoDays = true;
    settings.DaysNum = 1;
    Quitter q = Smoker(45000);
    const TickingClock ticking(45000); // 45000 for the 72-hour window, 45001 for the others
    SetQuitterVariables(context, q);
    MilestoneRules rules(context, settings, ticking, list);
    rules.AddQuitterMilestones(q, 10, 45000);
    EXPECT_EQ(OfRule({list.begin(), list.end()}, "72h").size(), 64u);
    EXPECT_EQ(OfRule({list.begin(), list.end()}, "days").back().When, 45011);
}

class BuildMilestonesTest : public MilestoneRulesTest {
protected:
    std::vector<Quitter*> Pointers() {
        std::vector<Quitter*> pointers;
        for (Quitter& q : quitters) {
            pointers.push_back(&q);
        }
        return pointers;
    }

    std::vector<Quitter> quitters;
    MilestoneState state;
};

TEST_F(BuildMilestonesTest, RebuildsOnlyWhenMarkedOutOfDate) {
    const TDateTime now = At(2024, 7, 20, 14, 45, 10);
    clock.Set(now);
    settings.DoDays = true;
    quitters = {Smoker(now - 503, "Ann"), Smoker(now - 450, "Bob")};
    state.LastAnnounced = now - 1;
    EXPECT_TRUE(BuildMilestones(state, Pointers(), context, settings, clock));
    EXPECT_FALSE(state.MilestonesDirty);
    EXPECT_EQ(state.LastAnnounced, 0);
    // Ann's days 500 to 1500 and Bob's 500 to 1400, in time order.
    ASSERT_EQ(state.List.Size(), 21u);
    EXPECT_EQ(state.List[0].Who, "Ann");
    EXPECT_EQ(state.List[1].Who, "Bob");
    for (std::size_t i = 1; i < state.List.Size(); ++i) {
        EXPECT_LT(state.List[i - 1].When, state.List[i].When);
    }

    // Not marked: a changed setting leaves the rows as they are, and so does the clock.
    settings.DoDays = false;
    settings.DoYear = true;
    state.LastAnnounced = now;
    EXPECT_FALSE(BuildMilestones(state, Pointers(), context, settings, clock));
    EXPECT_EQ(state.List.Size(), 21u);
    EXPECT_EQ(state.LastAnnounced, now);

    state.MilestonesDirty = true;
    EXPECT_TRUE(BuildMilestones(state, Pointers(), context, settings, clock));
    EXPECT_EQ(state.List.Size(), 5u);
    EXPECT_EQ(state.List[0].LongText, "year");
}

// Hour 24 of the first 72 hours and day 1 of the days rule are the same moment, computed in
// two ways: the lower level comes first.
TEST_F(BuildMilestonesTest, RowsOfDifferentRulesAtTheSameMomentGoByLevel) {
    const TDateTime now = At(2024, 7, 20, 14, 45, 10);
    clock.Set(now);
    settings.Do72 = true;
    settings.DoDays = true;
    settings.DaysNum = 1;
    quitters = {Smoker(now - 1.0 / 3)};
    BuildMilestones(state, Pointers(), context, settings, clock);
    std::vector<std::string> order;
    for (const Milestone& row : state.List) {
        if (std::fabs(row.When - (quitters[0].QuitDate + 1)) < kMs) {
            order.push_back(row.LongText + " " + std::to_string(row.Level));
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"days 0", "72h 1"}));
}

// An expansion error ends the rebuild: the rows made so far stay, sorted, and the list stays
// marked for the next try.
TEST_F(BuildMilestonesTest, AnExpansionErrorKeepsTheListMarked) {
    const TDateTime now = At(2024, 7, 20, 14, 45, 10);
    clock.Set(now);
    settings.DoDays = true;
    settings.DoYear = true;
    settings.YearTemplate = "<name>|year";
    // The second quitter's name reaches the formula step of the anniversary template.
    quitters = {Smoker(now - 503, "Ann"), Smoker(now - 450, "<hello>")};
    state.LastAnnounced = now - 1;
    EXPECT_THROW(BuildMilestones(state, Pointers(), context, settings, clock), ECalculate);
    EXPECT_TRUE(state.MilestonesDirty);
    EXPECT_EQ(state.LastAnnounced, 0);
    // Ann's 11 day rows and 3 anniversaries, and the other's 10 day rows.
    ASSERT_EQ(state.List.Size(), 24u);
    for (std::size_t i = 1; i < state.List.Size(); ++i) {
        EXPECT_LE(state.List[i - 1].When, state.List[i].When);
    }
}

TEST(MilestoneSettingsTest, DefaultsOfAFirstStart) {
    const MilestoneSettings s = DefaultMilestoneSettings(EnglishStrings());
    EXPECT_TRUE(s.Do72 && s.DoCigs && s.DoMoney && s.DoLife && s.DoDays && s.DoMonths && s.DoYear);
    EXPECT_EQ(s.CigsNum, 500);
    EXPECT_EQ(s.MoneyCount, 1000000);
    EXPECT_EQ(s.LifeNum, 1);
    EXPECT_EQ(s.DaysNum, 100);
    EXPECT_EQ(s.MonthNum, 1);
    EXPECT_EQ(s.DaysTemplate,
              "<DiffInDays> days quit|Great going <name>! You've been quit <DiffInDays> days!");
    EXPECT_EQ(s.YearTemplate, EnglishString(sDefaultYear));
}

} // namespace
} // namespace ashtally
