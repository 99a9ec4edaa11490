#include "util/datetime.h"

#include "util/errors.h"
#include "util/numconv.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ashtally {

namespace {

constexpr std::int64_t kMsPerDayInt = 86400000;

// The range the calendar works in: 0001-01-01 up to 9999-12-31 (the last millisecond included).
constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;

// Days from 1970-01-01 to a proleptic Gregorian date. Counting in eras of 400 years keeps
// every step an integer division of non-negative numbers.
constexpr std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

struct CivilDate {
    std::int64_t Year;
    unsigned Month;
    unsigned Day;
};

// The inverse of DaysFromCivil.
constexpr CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned mp = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400;
    return {year + (month <= 2 ? 1 : 0), month, day};
}

// Day 0 of the program's calendar, 1899-12-30, counted from 1970-01-01.
constexpr std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);

constexpr std::int64_t kMinDay = DaysFromCivil(kMinYear, 1, 1) - kEpochOffset;
constexpr std::int64_t kMaxDay = DaysFromCivil(kMaxYear, 12, 31) - kEpochOffset;

// A moment split into its calendar day number and the millisecond of that day, rounded to the
// millisecond. The whole part of the moment is the day (counting back before 1899-12-30) and
// the fraction, whatever the sign, is the time of day; a time of day that rounds up to
// midnight moves on to the next calendar day, which is always day + 1.
struct DayAndMs {
    std::int64_t Day;
    std::int64_t Ms;
    bool Carried; // the time of day rounded up to the next midnight
};

DayAndMs SplitMoment(TDateTime moment) {
    // Beyond these bounds the moment falls outside the calendar anyway; checking first keeps
    // the conversion to an integer defined.
    if (!std::isfinite(moment) || moment < static_cast<double>(kMinDay) - 1.0 ||
        moment > static_cast<double>(kMaxDay) + 1.0) {
        throw EConvertError("'" + FloatToStr(moment) + "' is not a valid date and time");
    }
    const double whole = std::trunc(moment);
    const double fraction = std::fabs(moment - whole);
    DayAndMs result{static_cast<std::int64_t>(whole),
                    static_cast<std::int64_t>(std::round(fraction * kMsPerDay)), false};
    if (result.Ms >= kMsPerDayInt) {
        result.Day += 1;
        result.Ms -= kMsPerDayInt;
        result.Carried = true;
    }
    if (result.Day < kMinDay || result.Day > kMaxDay) {
        throw EConvertError("'" + FloatToStr(moment) + "' is not a valid date and time");
    }
    return result;
}

// A day number and a time of day (fraction of a day) as one moment: before day 0 the time of
// day is subtracted, so that the whole part stays the day.
TDateTime Combine(double day, double timeOfDay) {
    return day >= 0 ? day + timeOfDay : day - timeOfDay;
}

} // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= kMinYear && year <= kMaxYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

TDateTime EncodeDate(int year, int month, int day) {
    if (!IsValidDate(year, month, day)) {
        throw EConvertError("Invalid argument to date encode");
    }
    return static_cast<double>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
        kEpochOffset);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999) {
        throw EConvertError("Invalid argument to time encode");
    }
    const std::int64_t ms =
        ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / kMsPerDay;
}

TDateTime EncodeDateTime(const DateTimeParts& parts) {
    const TDateTime date = EncodeDate(parts.Year, parts.Month, parts.Day);
    const TDateTime time = EncodeTime(parts.Hour, parts.Minute, parts.Second, parts.Millisecond);
    return Combine(date, time);
}

DateTimeParts DecodeDateTime(TDateTime moment) {
    const DayAndMs split = SplitMoment(moment);
    const CivilDate date = CivilFromDays(split.Day + kEpochOffset);
    DateTimeParts parts;
    parts.Year = static_cast<int>(date.Year);
    parts.Month = static_cast<int>(date.Month);
    parts.Day = static_cast<int>(date.Day);
    parts.Hour = static_cast<int>(split.Ms / 3600000);
    parts.Minute = static_cast<int>(split.Ms / 60000 % 60);
    parts.Second = static_cast<int>(split.Ms / 1000 % 60);
    parts.Millisecond = static_cast<int>(split.Ms % 1000);
    return parts;
}

TDateTime RoundToMillisecond(TDateTime moment) {
    const DayAndMs split = SplitMoment(moment);
    return Combine(static_cast<double>(split.Day), static_cast<double>(split.Ms) / kMsPerDay);
}

TDateTime DateOf(TDateTime moment) {
    return static_cast<double>(SplitMoment(moment).Day);
}

TDateTime TimeOf(TDateTime moment) {
    // The exact fraction, so that DateOf + TimeOf gives the moment back; only a time of day
    // that rounds up to midnight belongs to the next day and becomes 0.
    if (SplitMoment(moment).Carried) {
        return 0;
    }
    return std::fabs(moment - std::trunc(moment));
}

TDateTime IncMonth(TDateTime moment, int months) {
    const DateTimeParts parts = DecodeDateTime(moment);
    // Months counted from year 0 make the carry into years one floor division.
    const std::int64_t monthIndex =
        static_cast<std::int64_t>(parts.Year) * 12 + (parts.Month - 1) + months;
    const std::int64_t year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    const int month = static_cast<int>(monthIndex - year * 12) + 1;
    if (year < kMinYear || year > kMaxYear) {
        throw EConvertError("Invalid argument to date encode");
    }
    const int targetYear = static_cast<int>(year);
    const int day = std::min(parts.Day, DaysInMonth(targetYear, month));
    return Combine(EncodeDate(targetYear, month, day), TimeOf(moment));
}

int DayOfTheYear(TDateTime moment) {
    const DateTimeParts parts = DecodeDateTime(moment);
    return static_cast<int>(EncodeDate(parts.Year, parts.Month, parts.Day) -
                            EncodeDate(parts.Year, 1, 1)) +
           1;
}

} // namespace ashtally
