#include "util/datetime.h"
#include "util/errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace ashtally {
namespace {

DateTimeParts Parts(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                    int ms = 0) {
    return {year, month, day, hour, minute, second, ms};
}

void ExpectParts(const DateTimeParts& expected, const DateTimeParts& actual) {
    EXPECT_EQ(expected.Year, actual.Year);
    EXPECT_EQ(expected.Month, actual.Month);
    EXPECT_EQ(expected.Day, actual.Day);
    EXPECT_EQ(expected.Hour, actual.Hour);
    EXPECT_EQ(expected.Minute, actual.Minute);
    EXPECT_EQ(expected.Second, actual.Second);
    EXPECT_EQ(expected.Millisecond, actual.Millisecond);
}

TEST(DateTime, KnownMomentsEncodeAndDecode) {
    struct Case {
        DateTimeParts Parts;
        TDateTime Moment;
    };
    const std::vector<Case> cases = {
        {Parts(1899, 12, 30), 0},
        {Parts(1899, 12, 30, 12), 0.5},
        {Parts(1900, 1, 1), 2},
        {Parts(1900, 2, 28), 60},
        {Parts(1900, 3, 1), 61}, // 1900 has no February 29
        {Parts(2000, 2, 29), 36585},
        {Parts(2005, 1, 1, 12), 38353.5},
        {Parts(2024, 2, 29, 18), 45351.75},
        {Parts(1970, 1, 1), 25569},
        {Parts(1, 1, 1), -693593},
        {Parts(9999, 12, 31), 2958465},
        // Before day 0 the whole part counts back and the fraction is still the time of day.
        {Parts(1899, 12, 29, 6), -1.25},
        {Parts(1600, 2, 29, 18), -109512.75},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Moment);
        EXPECT_EQ(c.Moment, EncodeDateTime(c.Parts));
        ExpectParts(c.Parts, DecodeDateTime(c.Moment));
    }
}

TEST(DateTime, EncodeDecodeRoundTripAcrossTheCalendar) {
    // Every 97th day from year 1 to 9999, each with another time of day, both sides of day 0.
    int step = 0;
    for (double day = -693593; day <= 2958465; day += 97, ++step) {
        const int ms = (step * 7919) % 86400000;
        const TDateTime moment = day >= 0 ? day + ms / kMsPerDay : day - ms / kMsPerDay;
        const DateTimeParts parts = DecodeDateTime(moment);
        ASSERT_EQ(moment, EncodeDateTime(parts)) << "day " << day << " ms " << ms;
        ASSERT_EQ(ms % 1000, parts.Millisecond);
    }
}

TEST(DateTime, DecodingRoundsToTheMillisecondAndCarriesIntoTheNextDay) {
    struct Case {
        TDateTime Moment;
        DateTimeParts Parts;
    };
    const double justBeforeMidnight = 86399999.6 / kMsPerDay; // 23:59:59.9996
    const std::vector<Case> cases = {
        {38353 + justBeforeMidnight, Parts(2005, 1, 2)},
        {2958464 + justBeforeMidnight, Parts(9999, 12, 31)},
        {38353 + 1234.4 / kMsPerDay, Parts(2005, 1, 1, 0, 0, 1, 234)},
        {38353 + 1234.6 / kMsPerDay, Parts(2005, 1, 1, 0, 0, 1, 235)},
        // 1899-12-29 23:59:59.9996 is midnight of the next day, 1899-12-30.
        {-1 - justBeforeMidnight, Parts(1899, 12, 30)},
        {-2 - justBeforeMidnight, Parts(1899, 12, 29)},
        // 2000-12-31 23:59:59.9996: the year changes with the day.
        {36891 + justBeforeMidnight, Parts(2001, 1, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Moment);
        ExpectParts(c.Parts, DecodeDateTime(c.Moment));
        EXPECT_EQ(EncodeDateTime(c.Parts), RoundToMillisecond(c.Moment));
        EXPECT_EQ(EncodeDate(c.Parts.Year, c.Parts.Month, c.Parts.Day), DateOf(c.Moment));
    }
}

TEST(DateTime, DateOfAndTimeOfSplitAMoment) {
    EXPECT_EQ(-1, DateOf(-1.25));
    EXPECT_EQ(0.25, TimeOf(-1.25));
    EXPECT_EQ(38353, DateOf(38353.75));
    EXPECT_EQ(0.75, TimeOf(38353.75));
    // The time of day is kept exactly, below the millisecond too.
    const TDateTime moment = 38353.123456789012;
    EXPECT_EQ(moment, DateOf(moment) + TimeOf(moment));
    // A time of day that rounds up to midnight belongs to the next day.
    EXPECT_EQ(38354, DateOf(38353.9999999999));
    EXPECT_EQ(0, TimeOf(38353.9999999999));
}

TEST(DateTime, ImpossibleDatesAndTimesAreConversionErrors) {
    const std::vector<DateTimeParts> impossible = {
        Parts(1900, 2, 29),       Parts(2023, 2, 29),          Parts(2024, 13, 1),
        Parts(2024, 0, 1),        Parts(2024, 4, 31),          Parts(2024, 1, 0),
        Parts(0, 1, 1),           Parts(10000, 1, 1),          Parts(2024, 1, 1, 24),
        Parts(2024, 1, 1, 0, 60), Parts(2024, 1, 1, 0, 0, 60), Parts(2024, 1, 1, 0, 0, 0, 1000),
        Parts(2024, 1, 1, -1),
    };
    for (const auto& parts : impossible) {
        SCOPED_TRACE(::testing::Message()
                     << parts.Year << "-" << parts.Month << "-" << parts.Day << " " << parts.Hour
                     << ":" << parts.Minute << ":" << parts.Second << "." << parts.Millisecond);
        EXPECT_THROW(EncodeDateTime(parts), EConvertError);
    }
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, -1), EConvertError);
}

TEST(DateTime, MomentsOutsideTheCalendarAreConversionErrors) {
    for (const double moment : {std::nan(""), HUGE_VAL, -HUGE_VAL, 1e300, -1e300, 2958466.0,
                                -693594.5, 2958465.99999999999}) {
        SCOPED_TRACE(moment);
        EXPECT_THROW(DecodeDateTime(moment), EConvertError);
        EXPECT_THROW(IncMonth(moment, 1), EConvertError);
    }
    try {
        DecodeDateTime(1e300);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ("'1E300' is not a valid date and time", e.what());
    }
}

TEST(DateTime, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_EQ(29, DaysInMonth(2024, 2));
    EXPECT_EQ(28, DaysInMonth(2100, 2));
    EXPECT_EQ(31, DaysInMonth(2024, 12));
    EXPECT_EQ(30, DaysInMonth(2024, 11));
    EXPECT_EQ(0, DaysInMonth(2024, 13));
}

TEST(DateTime, IncMonthClampsTheDayAndKeepsTheTimeOfDay) {
    struct Case {
        DateTimeParts From;
        int Months;
        DateTimeParts To;
    };
    const std::vector<Case> cases = {
        {Parts(2023, 1, 31), 1, Parts(2023, 2, 28)},
        {Parts(2024, 1, 31), 1, Parts(2024, 2, 29)},
        {Parts(2023, 8, 31, 12), 6, Parts(2024, 2, 29, 12)},
        {Parts(2022, 8, 31, 12), 6, Parts(2023, 2, 28, 12)},
        {Parts(2024, 3, 31), -1, Parts(2024, 2, 29)},
        {Parts(2024, 1, 15, 13, 45, 30, 250), -1, Parts(2023, 12, 15, 13, 45, 30, 250)},
        {Parts(2024, 1, 31, 23, 59, 59, 999), 1, Parts(2024, 2, 29, 23, 59, 59, 999)},
        {Parts(2024, 2, 29), 12, Parts(2025, 2, 28)},
        {Parts(2024, 2, 29), 48, Parts(2028, 2, 29)},
        {Parts(2024, 5, 31), -15, Parts(2023, 2, 28)},
        {Parts(2024, 12, 1), 1, Parts(2025, 1, 1)},
        {Parts(2024, 1, 1), -1, Parts(2023, 12, 1)},
        {Parts(2024, 1, 1), -12, Parts(2023, 1, 1)},
        {Parts(2024, 1, 1), -13, Parts(2022, 12, 1)},
        // Across day 0, where the sign of the moment changes but the time of day must not.
        {Parts(1899, 12, 29, 6), 1, Parts(1900, 1, 29, 6)},
        {Parts(1900, 1, 29, 6), -1, Parts(1899, 12, 29, 6)},
        {Parts(1900, 1, 30, 18), -1, Parts(1899, 12, 30, 18)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.From.Year << "-" << c.From.Month << "-" << c.From.Day
                                          << " + " << c.Months);
        const TDateTime moved = IncMonth(EncodeDateTime(c.From), c.Months);
        ExpectParts(c.To, DecodeDateTime(moved));
        EXPECT_EQ(EncodeDateTime(c.To), moved);
    }
}

TEST(DateTime, IncMonthKeepsTheExactTimeOfDayAndRefusesToLeaveTheCalendar) {
    const TDateTime moment = 38353.123456789012;
    EXPECT_EQ(moment, IncMonth(moment, 0));
    EXPECT_EQ(TimeOf(moment), TimeOf(IncMonth(moment, 7)));
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
    EXPECT_THROW(IncMonth(EncodeDate(1, 1, 31), -1), EConvertError);
    EXPECT_THROW(IncMonth(EncodeDate(2024, 1, 1), 2147483647), EConvertError);
    EXPECT_THROW(IncMonth(EncodeDate(2024, 1, 1), -2147483647 - 1), EConvertError);
}

TEST(DateTime, DayOfTheYear) {
    struct Case {
        TDateTime Moment;
        int Day;
    };
    const std::vector<Case> cases = {
        {EncodeDate(2024, 1, 1), 1},
        {EncodeDate(2024, 3, 1) + 0.75, 61},
        {EncodeDate(2023, 3, 1), 60},
        {EncodeDate(2023, 12, 31), 365},
        {EncodeDate(2024, 12, 31), 366},
        {EncodeDate(2023, 12, 31) + 86399999.6 / kMsPerDay, 1}, // rounds into 2024-01-01
        {-1.25, 363},                                           // 1899-12-29
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Moment);
        EXPECT_EQ(c.Day, DayOfTheYear(c.Moment));
    }
}

} // namespace
} // namespace ashtally
