#include "stats/templates.h"

#include <array>
#include <cmath>
#include <utility>

#include "formula/formulaparser.h"
#include "stats/statistics.h"
#include "util/errors.h"
#include "util/moneyformat.h"
#include "util/numconv.h"
#include "util/textutils.h"

namespace ashtally {

namespace {

constexpr std::string_view kSpanMask = "11100000";
constexpr std::string_view kSpanShortMask = "01100000";
constexpr std::string_view kLifeMask = "110000";

// "<spantext" and 8 mask characters and ">"; "<lifetext" and 6 and ">". The ">" stands apart
// so that the compiler does not take "??>" for a trigraph.
constexpr std::string_view kMaskedSpan = "<spantext????????"
                                         ">";
constexpr std::string_view kMaskedLife = "<lifetext??????"
                                         ">";
constexpr std::size_t kMaskStart = 9; // the length of "<spantext" and of "<lifetext"

// Flag i is on when the i-th character of the mask is "1". A mask may hold any characters, so
// it is walked by whole characters; missing characters are flags that are off.
template <std::size_t N>
std::array<bool, N> ReadMask(std::string_view mask) {
    std::array<bool, N> flags{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < N && pos < mask.size(); ++i) {
        const std::size_t length = Utf8CharLength(mask, pos);
        flags[i] = length == 1 && mask[pos] == '1';
        pos += length;
    }
    return flags;
}

// Truncation toward zero into a whole number; a value beyond the 64-bit range or not a number
// is the platform's invalid operation, never a wrapped-around count.
std::int64_t TruncToInt64(double value) {
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (std::isnan(value) || value >= kLimit || value <= -kLimit) {
        throw EInvalidOp();
    }
    return static_cast<std::int64_t>(value);
}

void AppendUnitPart(std::string& out, std::int64_t count, std::string_view singular,
                    std::string_view plural, bool abbreviate, bool words) {
    if (count == 0) {
        return;
    }
    std::string_view word = count == 1 ? singular : plural;
    if (abbreviate) {
        word = FirstChar(word);
    }
    if (words) {
        out += NumberToWords(count);
    } else {
        AppendInteger(out, count);
    }
    out += ' ';
    if (abbreviate) {
        // One whole character: a Greek letter is kept whole (and, not being ASCII, as it is).
        for (char c : word) {
            out += AsciiUpper(c);
        }
    } else {
        out += word;
    }
    out += ", ";
}

// An ASCII letter is upper case at the start of the text or after a character of code 47 or
// less (blank, comma, hyphen, full stop, slash, ...), lower case anywhere else.
void CapitaliseWords(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsAsciiLetter(text[i])) {
            continue;
        }
        const bool wordStart = i == 0 || static_cast<unsigned char>(text[i - 1]) <= 47;
        text[i] = wordStart ? AsciiUpper(text[i]) : AsciiLower(text[i]);
    }
}

// The common end of the span and life texts: lower case, then the case flags, then the joining
// word (which therefore keeps its own case).
std::string FinishText(std::string text, bool upperCase, bool capitalise,
                       std::string_view andWord) {
    AsciiLowerInPlace(text);
    if (upperCase) {
        AsciiUpperInPlace(text);
    }
    if (capitalise) {
        CapitaliseWords(text);
    }
    return JoinWithAnd(std::move(text), andWord);
}

// Replaces every masked placeholder, one at a time from the start of the text, each by the
// text that its own mask asks for.
template <typename MakeText>
void ReplaceMasked(std::string& text, std::string_view pattern, MakeText makeText) {
    for (std::size_t pos = FindWild(text, pattern); pos != kNotFound;
         pos = FindWild(text, pattern)) {
        const std::size_t length = WildMatchLength(text, pattern, pos);
        const std::string replacement =
            makeText(std::string_view(text).substr(pos + kMaskStart, length - kMaskStart - 1));
        text.replace(pos, length, replacement);
    }
}

} // namespace

std::string UnitPart(std::int64_t count, std::string_view singular, std::string_view plural,
                     bool abbreviate, bool words) {
    std::string out;
    AppendUnitPart(out, count, singular, plural, abbreviate, words);
    return out;
}

std::string JoinWithAnd(std::string text, std::string_view andWord) {
    const std::string_view trimmed = TrimControl(text);
    if (trimmed.size() != text.size()) {
        text = std::string(trimmed);
    }
    if (!text.empty() && text.back() == ',') {
        text.pop_back();
    }
    const std::size_t comma = LastCharPos(text, ',');
    if (comma != kNotFound) {
        std::string joint;
        joint.reserve(andWord.size() + 1);
        joint += ' ';
        joint += andWord;
        text.replace(comma, 1, joint);
    }
    return text;
}

std::string SpanText(const StatsContext& context, const Quitter& quitter, TDateTime moment,
                     std::string_view mask) {
    const auto flags = ReadMask<8>(mask);
    // Both moments to the millisecond first, so that the calendar day, the time of day and the
    // hours of the difference all agree about a moment a fraction of a millisecond from a
    // boundary.
    TDateTime t = RoundToMillisecond(moment);
    TDateTime quit = RoundToMillisecond(quitter.QuitDate);
    // Before the quit the text tells the distance to it, as the DiffIn variables do, rather
    // than negative months beside positive days.
    if (t < quit) {
        std::swap(t, quit);
    }

    // Before the quit's time of day the current day is not complete yet.
    const TDateTime t2 = TimeOf(t) < TimeOf(quit) ? t - 1 : t;
    const DateTimeParts now = DecodeDateTime(t2);
    const DateTimeParts from = DecodeDateTime(quit);
    std::int64_t months = (static_cast<std::int64_t>(now.Year) * 12 + now.Month) -
                          (static_cast<std::int64_t>(from.Year) * 12 + from.Month);
    if (now.Day < from.Day) {
        --months;
    }
    const std::int64_t years = months / 12;
    months -= years * 12;
    // The days are borrowed from the quit date's month.
    const std::int64_t days = now.Day >= from.Day
                                  ? now.Day - from.Day
                                  : DaysInMonth(from.Year, from.Month) - from.Day + now.Day;

    // The time of day of the difference, to the millisecond, milliseconds dropped.
    const double difference = t - quit;
    auto ms = static_cast<std::int64_t>(
        std::nearbyint((difference - std::trunc(difference)) * kMsPerDay));
    if (ms >= static_cast<std::int64_t>(kMsPerDay)) {
        ms = 0;
    }
    const std::int64_t hours = ms / 3600000;
    const std::int64_t minutes = ms / 60000 % 60;
    const std::int64_t seconds = ms / 1000 % 60;

    const TemplateWords& w = context.Words;
    const bool abbreviate = flags[5];
    std::string text;
    AppendUnitPart(text, years, w.Year, w.Years, abbreviate, flags[3]);
    AppendUnitPart(text, months, w.Month, w.Months, abbreviate, flags[3]);
    AppendUnitPart(text, days, w.Day, w.Days, abbreviate, flags[3]);
    if (flags[2]) {
        AppendUnitPart(text, hours, w.Hour, w.Hours, abbreviate, flags[4]);
    }
    if (flags[1]) {
        AppendUnitPart(text, minutes, w.Minute, w.Minutes, abbreviate, flags[4]);
    }
    if (flags[0]) {
        AppendUnitPart(text, seconds, w.Second, w.Seconds, abbreviate, flags[4]);
    }
    return FinishText(std::move(text), flags[6], flags[7], w.And);
}

std::string LifeText(const StatsContext& context, const Quitter& quitter, TDateTime moment,
                     std::string_view mask) {
    const auto flags = ReadMask<6>(mask);
    double life = std::fabs(moment - quitter.QuitDate) * quitter.CigPerDay *
                  context.Settings.StoredMinPerCig / 1440;
    // A tenth of a billionth of a day, so that a value a rounding error below a whole number
    // is not cut one unit short.
    life += 0.0000000001;
    const std::int64_t days = TruncToInt64(life);
    const double hoursWithFraction = (life - std::trunc(life)) * 24;
    const std::int64_t hours = TruncToInt64(hoursWithFraction);
    const std::int64_t minutes =
        TruncToInt64((hoursWithFraction - std::trunc(hoursWithFraction)) * 60);

    const TemplateWords& w = context.Words;
    const bool abbreviate = flags[3];
    std::string text;
    AppendUnitPart(text, days, w.Day, w.Days, abbreviate, flags[2]);
    if (flags[1]) {
        AppendUnitPart(text, hours, w.Hour, w.Hours, abbreviate, flags[2]);
    }
    if (flags[0]) {
        AppendUnitPart(text, minutes, w.Minute, w.Minutes, abbreviate, flags[2]);
    }
    return FinishText(std::move(text), flags[4], flags[5], w.And);
}

std::string ExpandTemplate(const StatsContext& context, const Quitter& quitter,
                           std::string_view templateText, TDateTime moment) {
    std::string text(templateText);

    // The fixed names, each one's text made only when the template uses it.
    ReplaceAllWild(text, "<name>", quitter.Name);
    if (ContainsWild(text, "<moneysaved>")) {
        ReplaceAllWild(text, "<moneysaved>", FormatMoney(quitter.MoneySaved, context.Regional));
    }
    if (ContainsWild(text, "<spantext>")) {
        ReplaceAllWild(text, "<spantext>", SpanText(context, quitter, moment, kSpanMask));
    }
    if (ContainsWild(text, "<spanshorttext>")) {
        ReplaceAllWild(text, "<spanshorttext>", SpanText(context, quitter, moment, kSpanShortMask));
    }
    ReplaceMasked(text, kMaskedSpan,
                  [&](std::string_view mask) { return SpanText(context, quitter, moment, mask); });
    if (ContainsWild(text, "<lifetext>")) {
        ReplaceAllWild(text, "<lifetext>", LifeText(context, quitter, moment, kLifeMask));
    }
    ReplaceMasked(text, kMaskedLife,
                  [&](std::string_view mask) { return LifeText(context, quitter, moment, mask); });

    // The formulas: the first "<" and the first ">" enclose the next one, as long as the "<"
    // comes first. A value put in is digits only and holds neither bracket, and the text before
    // it held none, so the search can go on after it instead of from the start again.
    std::string out;
    out.reserve(text.size());
    const std::string_view view(text);
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = view.find('<', pos);
        const std::size_t close = view.find('>', pos);
        if (open == std::string_view::npos || close == std::string_view::npos || open > close) {
            break;
        }
        out.append(view.substr(pos, open - pos));
        context.Parser.SetExpression(view.substr(open + 1, close - open - 1));
        AppendInteger(out, RoundHalfEven(context.Parser.Calculate()));
        pos = close + 1;
    }
    out.append(view.substr(pos));
    return out;
}

std::string StatisticsText(const StatsContext& context, Quitter& quitter,
                           std::string_view templateText, TDateTime moment) {
    SetStatistics(context, quitter, moment);
    if (moment >= quitter.QuitDate) {
        return ExpandTemplate(context, quitter, templateText, moment);
    }
    return context.Words.NotQuitYet;
}

} // namespace ashtally
