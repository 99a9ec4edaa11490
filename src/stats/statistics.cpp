#include "stats/statistics.h"

#include <cmath>

#include "formula/formulaparser.h"
#include "util/errors.h"

namespace ashtally {

namespace {

constexpr long double kSecondsPerDay = 86400.0L;
constexpr long double kSecondsPerYear = 31536000.0L; // a 365-day year

} // namespace

void SetQuitterVariables(const StatsContext& context, const Quitter& quitter) {
    TFormulaParser& parser = context.Parser;
    parser.SetVar("MinPerCig", context.Settings.MinPerCig);
    parser.SetVar("CigPerDay", static_cast<double>(quitter.CigPerDay));
    parser.SetVar("CigPerPack", static_cast<double>(quitter.CigPerPack));
    parser.SetVar("CostPerPack",
                  static_cast<double>(quitter.CostPerPack) / static_cast<double>(kMoneyScale));
}

void SetDateVariables(const StatsContext& context, const Quitter& quitter, TDateTime moment) {
    TFormulaParser& parser = context.Parser;
    const DateTimeParts quit = DecodeDateTime(quitter.QuitDate);
    const DateTimeParts now = DecodeDateTime(moment);
    parser.SetVar("QuitYear", quit.Year);
    parser.SetVar("QuitMonth", quit.Month);
    parser.SetVar("QuitDay", quit.Day);
    parser.SetVar("QuitHour", quit.Hour);
    parser.SetVar("QuitMin", quit.Minute);
    parser.SetVar("QuitSec", quit.Second);
    parser.SetVar("NowYear", now.Year);
    parser.SetVar("NowMonth", now.Month);
    parser.SetVar("NowDay", now.Day);
    parser.SetVar("NowHour", now.Hour);
    parser.SetVar("NowMin", now.Minute);
    parser.SetVar("NowSec", now.Second);
    const double d = std::fabs(moment - quitter.QuitDate);
    parser.SetVar("DiffInYears", d / 365.25);
    parser.SetVar("DiffInMonths", d / 30.4375);
    parser.SetVar("DiffInDays", d);
    parser.SetVar("DiffInWeeks", d / 7);
    parser.SetVar("DiffInHours", d * 24);
    parser.SetVar("DiffInMins", d * 1440);
    parser.SetVar("DiffInSecs", d * 86400);
}

Money MoneySavedAt(const Quitter& quitter, TDateTime moment, double interestRate) {
    if (!(moment > quitter.QuitDate) || quitter.CigPerPack == 0) {
        return 0;
    }
    const long double r = static_cast<long double>(interestRate) / 100 / kSecondsPerYear;
    const long double perDay = static_cast<long double>(quitter.CostPerPack) / kMoneyScale /
                               quitter.CigPerPack * quitter.CigPerDay;
    if (perDay == 0) {
        return 0;
    }
    const long double perSecond = perDay / kSecondsPerDay;
    const double seconds = std::fabs(moment - quitter.QuitDate) * 86400.0;
    long double saved;
    if (r == 0) {
        // The limit of the compound formula as the rate goes to 0: no interest at all.
        saved = perSecond * seconds;
    } else {
        // c * ((1 + r)^s - 1) / r, written with expm1 and log1p so that the tiny rate per
        // second does not drown in the rounding of 1 + r.
        saved = perSecond * std::expm1(seconds * std::log1p(r)) / r;
    }
    const long double scaled = std::nearbyint(saved * kMoneyScale);
    if (std::isnan(scaled)) {
        throw EInvalidOp();
    }
    if (std::isinf(scaled)) {
        throw EOverflow();
    }
    // 2^63 is exactly representable; anything from there on does not fit the money type.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (scaled >= kLimit || scaled < -kLimit) {
        throw EInvalidOp();
    }
    return static_cast<Money>(scaled);
}

void CalcMoneySaved(const StatsContext& context, Quitter& quitter, TDateTime moment) {
    quitter.MoneySaved = MoneySavedAt(quitter, moment, context.Settings.InterestRate);
}

void SetStatistics(const StatsContext& context, Quitter& quitter, TDateTime moment) {
    SetQuitterVariables(context, quitter);
    SetDateVariables(context, quitter, moment);
    CalcMoneySaved(context, quitter, moment);
}

} // namespace ashtally
