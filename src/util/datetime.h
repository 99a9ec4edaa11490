#pragma once

namespace ashtally {

// A moment in local wall-clock time: days since 1899-12-30 00:00, the fraction being the time
// of day. Before 1899-12-30 the whole part counts back and the fraction still counts forward
// from midnight of that day (-1.25 is 1899-12-29 06:00).
using TDateTime = double;

inline constexpr double kMsPerDay = 86400000.0;

struct DateTimeParts {
    int Year = 1899;
    int Month = 12;      // 1-12
    int Day = 30;        // 1-31
    int Hour = 0;        // 0-23
    int Minute = 0;      // 0-59
    int Second = 0;      // 0-59
    int Millisecond = 0; // 0-999
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// Calendar parts to a moment. An impossible date or time raises EConvertError.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond = 0);
TDateTime EncodeDateTime(const DateTimeParts& parts);

// A moment to calendar parts, after rounding it to the nearest millisecond. A moment outside
// the years 1 to 9999 (or not a number) raises EConvertError "'<moment>' is not a valid date
// and time"; so do the functions below, which decode their moment first.
DateTimeParts DecodeDateTime(TDateTime moment);

// The moment rounded to the nearest millisecond.
TDateTime RoundToMillisecond(TDateTime moment);

// The date at midnight, and the time of day (as a fraction of a day, date part 0).
TDateTime DateOf(TDateTime moment);
TDateTime TimeOf(TDateTime moment);

// The moment moved by whole calendar months, the time of day kept and the day of the month
// made no larger than the length of the target month (January 31 + 1 month = February 28/29).
TDateTime IncMonth(TDateTime moment, int months);

// 1 for January 1 up to 365 or 366.
int DayOfTheYear(TDateTime moment);

} // namespace ashtally
