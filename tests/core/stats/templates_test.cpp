#include "stats/templates.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "formula/ecalculate.h"
#include "formula/formulaparser.h"
#include "stats/statistics.h"
#include "util/errors.h"
#include "util/moneyformat.h"

namespace ashtally {
namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return EncodeDateTime({year, month, day, hour, minute, second, 0});
}

Quitter Smoker(TDateTime quitDate) {
    Quitter q;
    q.Name = "Ann";
    q.QuitDate = quitDate;
    q.CigPerDay = 20;
    q.CigPerPack = 20;
    q.CostPerPack = 50000;
    return q;
}

// The unit words of the Greek language module.
class GreekStrings : public StringSource {
public:
    std::string Get(int id) const override {
        static const std::map<int, std::string> words{
            {sYear, "χρόνο"},
            {sYears, "χρόνια"},
            {sMonth, "μήνα"},
            {sMonths, "μήνες"},
            {sDay, "ημέρα"},
            {sDays, "ημέρες"},
            {sHour, "ώρα"},
            {sHours, "ώρες"},
            {sMinute, "λεπτό"},
            {sMinutes, "λεπτά"},
            {sSecond, "δευτερόλεπτο"},
            {sSeconds, "δευτερόλεπτα"},
            {sAnd, "και"},
            {sNotQuitYet, "Δέν έχω κόψει ακόμα το τσιγάρο"}};
        const auto found = words.find(id);
        return found == words.end() ? EnglishString(id) : found->second;
    }
};

class TemplatesTest : public ::testing::Test {
protected:
    // Sets the variables and the money for the quitter at the moment, then expands.
    std::string Expand(Quitter& q, const std::string& text, TDateTime moment) {
        SetStatistics(context, q, moment);
        return ExpandTemplate(context, q, text, moment);
    }

    TFormulaParser parser;
    RegionalSettings regional;
    StatsContext context{parser, EnglishStrings(), regional, StatsSettings{5, 3, 5}};
};

TEST_F(TemplatesTest, SpanTextMasks) {
    const Quitter q = Smoker(At(2023, 5, 15, 8, 30));
    const TDateTime moment = At(2024, 7, 20, 14, 45, 10);
    struct Case {
        std::string mask;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"11100000", "1 year, 2 months, 5 days, 6 hours, 15 minutes and 10 seconds"},
        {"01100000", "1 year, 2 months, 5 days, 6 hours and 15 minutes"},
        {"00000000", "1 year, 2 months and 5 days"},
        {"10100000", "1 year, 2 months, 5 days, 6 hours and 10 seconds"},
        {"01110001", "One Year, Two Months, Five Days, 6 Hours and 15 Minutes"},
        {"11101000", "1 year, 2 months, 5 days, six hours, fifteen minutes and ten seconds"},
        {"11100100", "1 y, 2 m, 5 d, 6 h, 15 m and 10 s"},
        {"11100010", "1 YEAR, 2 MONTHS, 5 DAYS, 6 HOURS, 15 MINUTES and 10 SECONDS"},
        {"11100001", "1 Year, 2 Months, 5 Days, 6 Hours, 15 Minutes and 10 Seconds"},
        {"11100011", "1 Year, 2 Months, 5 Days, 6 Hours, 15 Minutes and 10 Seconds"},
        {"111001x1", "1 Y, 2 M, 5 D, 6 H, 15 M and 10 S"},
        // Only "1" switches a flag on; missing flags are off.
        {"abcdefgh", "1 year, 2 months and 5 days"},
        {"111", "1 year, 2 months, 5 days, 6 hours, 15 minutes and 10 seconds"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpanText(context, q, moment, c.mask), c.expected) << c.mask;
    }
}

TEST_F(TemplatesTest, SpanTextCountsCalendarMonthsAndBorrowsFromTheQuitMonth) {
    struct Case {
        TDateTime quit;
        TDateTime moment;
        std::string mask;
        std::string expected;
    };
    const std::vector<Case> cases{
        // Before 10:00 on March 1 the day is not complete; the days come from January's 31.
        {At(2024, 1, 31, 10), At(2024, 3, 1, 9), "11100000", "29 days and 23 hours"},
        {At(2024, 1, 31, 12), At(2024, 4, 30, 12), "11100000", "2 months and 30 days"},
        {At(2023, 2, 28, 12), At(2024, 2, 29, 12), "11100000", "1 year and 1 day"},
        // Zero units vanish wherever they stand.
        {At(2023, 5, 15, 8, 30), At(2024, 5, 15, 8, 30, 5), "11100000", "1 year and 5 seconds"},
        {At(2024, 5, 15, 8, 30), At(2024, 5, 15, 8, 30, 30), "01100000", ""},
        {At(2024, 5, 15, 8, 30), At(2024, 5, 15, 8, 30, 30), "11100000", "30 seconds"},
        {At(2024, 5, 15, 8, 30), At(2024, 5, 15, 8, 30), "11100000", ""},
        // Before the quit: the distance to it.
        {At(2024, 3, 10, 8, 30), At(2024, 3, 8, 20, 30), "11100000", "1 day and 12 hours"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpanText(context, Smoker(c.quit), c.moment, c.mask), c.expected) << c.expected;
    }
}

TEST_F(TemplatesTest, LifeTextUsesTheStoredMinutesPerCigarette) {
    const TDateTime moment = At(2024, 7, 20, 14, 45, 10);
    struct Case {
        double days;
        double storedMinPerCig;
        std::string mask;
        std::string expected;
    };
    const std::vector<Case> cases{
        {10, 5, "110000", "16 hours and 40 minutes"},
        {10, 5, "010001", "16 Hours"},
        {10, 5, "111000", "sixteen hours and forty minutes"},
        {10, 5, "110100", "16 h and 40 m"},
        {10, 5, "110010", "16 HOURS and 40 MINUTES"},
        {10, 5, "000000", ""},
        {365, 5, "110000", "25 days, 8 hours and 20 minutes"},
        {365, 5, "001000", "twenty five days"},
        {365, 10, "110000", "50 days, 16 hours and 40 minutes"},
        {-10, 5, "110000", "16 hours and 40 minutes"}, // before the quit: the distance
        {10, 0, "110000", ""},
    };
    for (const auto& c : cases) {
        context.Settings.StoredMinPerCig = c.storedMinPerCig;
        context.Settings.MinPerCig = 99; // the shown value is not the life text's
        EXPECT_EQ(LifeText(context, Smoker(moment - c.days), moment, c.mask), c.expected)
            << c.days << " days, mask " << c.mask;
    }
}

TEST_F(TemplatesTest, LifeTextDoesNotFallAUnitShortOfAWholeNumber) {
    // 64 hours at 60 a day and 9 minutes each are exactly one day, which the arithmetic of the
    // moments puts a hair below 1.
    Quitter q = Smoker(At(2023, 5, 15, 8, 30));
    q.CigPerDay = 60;
    context.Settings.StoredMinPerCig = 9;
    EXPECT_EQ(LifeText(context, q, q.QuitDate + 64.0 / 24, "110000"), "1 day");
}

TEST_F(TemplatesTest, LifeTextBeyondAnyCountIsAnError) {
    context.Settings.StoredMinPerCig = 1e300;
    const TDateTime moment = At(2024, 7, 20);
    EXPECT_THROW(LifeText(context, Smoker(moment - 10), moment, "110000"), EInvalidOp);
}

TEST(UnitPart, CountWordAndComma) {
    struct Case {
        std::int64_t count;
        bool abbreviate;
        bool words;
        std::string expected;
    };
    const std::vector<Case> cases{
        {0, false, false, ""},
        {0, true, true, ""},
        {1, false, false, "1 day, "},
        {2, false, false, "2 days, "},
        {21, false, true, "Twenty One days, "},
        {1, true, false, "1 D, "},
        {105, true, true, "One Hundred Five D, "},
        {-3, false, false, "-3 days, "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UnitPart(c.count, "day", "days", c.abbreviate, c.words), c.expected) << c.count;
    }
    // Abbreviating keeps the whole first character of a Greek word, as it is.
    EXPECT_EQ(UnitPart(2, "ημέρα", "ημέρες", true, false), "2 η, ");
    EXPECT_EQ(UnitPart(2, "", "", true, false), "2 , ");
}

TEST(JoinWithAnd, PutsTheJoiningWordInPlaceOfTheLastComma) {
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"2 years, 3 days, ", "2 years and 3 days"},
        {"1 year, 2 months, 3 days, ", "1 year, 2 months and 3 days"},
        {"5 days, ", "5 days"},
        {"5 days", "5 days"},
        {"", ""},
        {" \r\n\t", ""},
        {"a,, ", "a and"},
        {",", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JoinWithAnd(c.text, "and"), c.expected) << c.text;
    }
    EXPECT_EQ(JoinWithAnd("1 χρόνο, 5 ημέρες, ", "και"), "1 χρόνο και 5 ημέρες");
}

TEST_F(TemplatesTest, ExpandReplacesFixedNamesThenFormulas) {
    Quitter q = Smoker(At(2024, 3, 10, 8, 30));
    const TDateTime moment = At(2024, 3, 11, 20, 30); // a day and a half later
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"", ""},
        {"plain text", "plain text"},
        {"<name>, <NAME> and <Name>", "Ann, Ann and Ann"},
        {"<moneysaved>", "$7.50"},
        {"<MoneySaved> saved", "$7.50 saved"}, // the placeholder, not the formula
        {"<spantext>|<SpanShortText>", "1 day and 12 hours|1 day and 12 hours"},
        {"<SPANTEXT11100001>", "1 Day and 12 Hours"},
        {"<spantext11100100>, <spantext00000000>", "1 d and 12 h, 1 day"},
        {"<lifetext>", "2 hours and 30 minutes"},
        {"<lifetext><LIFETEXT010000>", "2 hours and 30 minutes2 hours"},
        // Eight mask characters, one of them Greek, are a masked placeholder.
        {"<spantext1110000α>", "1 day and 12 hours"},
        {"<DiffInDays>", "2"}, // 1.5, halves to even
        {"<TRUNC(DiffInDays)>", "1"},
        {"<DiffInHours> hours, <DiffInWeeks> weeks", "36 hours, 0 weeks"},
        {"<CigPerDay*DiffInDays> not smoked", "30 not smoked"},
        {"<2.5> <3.5> <-2.5> <0-0.4> <-DiffInDays>", "2 4 -2 0 -2"},
        {"<name> has <CigPerDay*TRUNC(DiffInDays)>", "Ann has 20"},
        // The formula step stops at the first ">" that comes before the first "<".
        {"x > 1 and <DiffInDays>", "x > 1 and <DiffInDays>"},
        {"<DiffInDays>100>", "2100>"},
        {"<DiffInDays> < 3", "2 < 3"},
        {"<DiffInDays> > <DiffInHours>", "2 > <DiffInHours>"}, // now ">" comes first
        {"1 < 2 > 3", "1 2 3"},                                // " 2 " is a formula
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Expand(q, c.text, moment), c.expected) << c.text;
    }
}

TEST_F(TemplatesTest, TextBroughtInByANameTakesPartInTheFormulas) {
    Quitter q = Smoker(At(2024, 3, 10, 8, 30));
    const TDateTime moment = At(2024, 3, 11, 20, 30);
    q.Name = "<CigPerDay>";
    EXPECT_EQ(Expand(q, "<name>!", moment), "20!");
    q.Name = "<spantext>";
    EXPECT_EQ(Expand(q, "<name>!", moment), "1 day and 12 hours!");
    q.Name = "<3";
    EXPECT_THROW(Expand(q, "<name> and <DiffInDays>", moment), ECalculate);
}

TEST_F(TemplatesTest, AFormulaErrorEndsTheWholeExpansion) {
    Quitter q = Smoker(At(2024, 3, 10, 8, 30));
    const TDateTime moment = At(2024, 3, 11, 20, 30);
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases{
        {"<hello>", "Unknown function or variable \"HELLO\"."},
        {"<DiffInDays> and <cigsperday>", "Unknown function or variable \"CIGSPERDAY\"."},
        // A masked placeholder with the wrong number of mask characters is a formula.
        {"<spantext0111>", "Unknown function or variable \"SPANTEXT0111\"."},
        {"<lifetext1100000>", "Unknown function or variable \"LIFETEXT1100000\"."},
        // Only the money milestones set the variable.
        {"<MoneySaved*2>", "Unknown function or variable \"MONEYSAVED\"."},
        {"<1/0>", "Floating point division by zero"},
        {"<10**300*10**300>", "Floating point overflow"},
        {"<10**300>", "Invalid floating point operation"}, // no whole number holds it
    };
    for (const auto& c : cases) {
        try {
            Expand(q, c.text, moment);
            ADD_FAILURE() << c.text << " expanded";
        } catch (const Exception& error) {
            EXPECT_EQ(std::string(error.what()), c.message) << c.text;
        }
    }
}

TEST_F(TemplatesTest, MoneyFollowsTheRegionalFormat) {
    regional.DecimalSeparator = ",";
    regional.ThousandSeparator = ".";
    regional.CurrencySymbol = "€";
    regional.CurrencyFormat = 3;
    regional.NegCurrFormat = 8;
    Quitter q = Smoker(At(2023, 3, 10, 8, 30));
    EXPECT_EQ(Expand(q, "<moneysaved>", q.QuitDate + 365), "1.852,65 €");
    q.CostPerPack = -50000;
    EXPECT_EQ(Expand(q, "<moneysaved>", q.QuitDate + 365), "-1.852,65 €");
    // The value is the one last stored: the expansion does not compute it again.
    q.MoneySaved = 12345;
    EXPECT_EQ(ExpandTemplate(context, q, "<moneysaved>", q.QuitDate + 365), "1,23 €");
}

TEST_F(TemplatesTest, GreekUnitWordsAndJoiningWord) {
    const GreekStrings greek;
    const StatsContext greekContext(parser, greek, regional);
    const Quitter q = Smoker(At(2023, 5, 15, 8, 30));
    const TDateTime moment = At(2024, 7, 20, 14, 45, 10);
    EXPECT_EQ(SpanText(greekContext, q, moment, "11100000"),
              "1 χρόνο, 2 μήνες, 5 ημέρες, 6 ώρες, 15 λεπτά και 10 δευτερόλεπτα");
    // Abbreviated to whole Greek letters; the case flags touch only ASCII letters.
    EXPECT_EQ(SpanText(greekContext, q, moment, "11100111"), "1 χ, 2 μ, 5 η, 6 ώ, 15 λ και 10 δ");
    EXPECT_EQ(SpanText(greekContext, q, moment, "01110000"),
              "one χρόνο, two μήνες, five ημέρες, 6 ώρες και 15 λεπτά");
}

TEST_F(TemplatesTest, DefaultTextsExpand) {
    Quitter q = Smoker(At(2023, 5, 15, 8, 30));
    const TDateTime moment = At(2024, 7, 20, 14, 45, 10);
    const std::string money = FormatMoney(MoneySavedAt(q, moment, 3), regional);
    EXPECT_EQ(Expand(q, EnglishString(sDefaultClip), moment),
              "Ann - Free and Healing for One Year, Two Months, Five Days, 6 Hours and 15 "
              "Minutes, while extending my life expectancy 30 Days, by avoiding the use of 8645 "
              "nicotine delivery devices that would have cost me " +
                  money + ".");
    EXPECT_EQ(Expand(q, EnglishString(sDefaultStats), moment),
              "My name is Ann, and I am a nicotine addict.\r\n"
              "I have stopped nicotine for 1 year, 2 months, 5 days, 6 hours, 15 minutes and 10 "
              "seconds (432 days).\r\n"
              "\r\n"
              "I've not smoked 8645 death sticks, and saved " +
                  money +
                  ".\r\n"
                  "I've saved 30 days and 26 minutes of my life.\r\n");
    // The milestone templates, three days after the quit.
    const TDateTime third = q.QuitDate + 3;
    EXPECT_EQ(Expand(q, EnglishString(sDefaultDo72), third),
              "72 hours nicotine free|Way to go! You just need another 0 hours for your physical "
              "addiction to end!");
    EXPECT_EQ(Expand(q, EnglishString(sDefaultDays), third),
              "3 days quit|Great going Ann! You've been quit 3 days!");
    EXPECT_EQ(Expand(q, EnglishString(sDefaultLife), third),
              "5 hours of life saved|Wow Ann! By not smoking you have saved 5 hours of your life!");
}

TEST_F(TemplatesTest, StatisticsTextBeforeAndAfterTheQuit) {
    Quitter q = Smoker(At(2024, 3, 10, 8, 30));
    q.MoneySaved = 999;
    EXPECT_EQ(StatisticsText(context, q, "<name>: <moneysaved>", q.QuitDate - 0.5),
              "I have not quit yet.");
    EXPECT_EQ(q.MoneySaved, 0);
    EXPECT_EQ(StatisticsText(context, q, "<name>: <moneysaved>", q.QuitDate), "Ann: $0.00");
    EXPECT_EQ(StatisticsText(context, q, "<name>: <moneysaved>", q.QuitDate + 1), "Ann: $5.00");
    // The variables are those of the moment, even when the text is not expanded.
    StatisticsText(context, q, "<hello>", q.QuitDate - 40);
    EXPECT_DOUBLE_EQ(parser.GetVar("DIFFINDAYS"), 40);
}

} // namespace
} // namespace ashtally
