#include "util/moneyformat.h"

namespace ashtally {

namespace {

// The unsigned amount in hundredths as "1,234.56" with the regional separators.
std::string FormatDigits(std::uint64_t cents, const RegionalSettings& regional) {
    const std::string whole = std::to_string(cents / 100);
    std::string out;
    out.reserve(whole.size() + whole.size() / 3 * regional.ThousandSeparator.size() + 4);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) {
            out += regional.ThousandSeparator;
        }
        out += whole[i];
    }
    const auto fraction = static_cast<unsigned>(cents % 100);
    out += regional.DecimalSeparator;
    out += static_cast<char>('0' + fraction / 10);
    out += static_cast<char>('0' + fraction % 10);
    return out;
}

} // namespace

std::string FormatMoney(std::int64_t fixedPoint, const RegionalSettings& regional) {
    const bool negative = fixedPoint < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(fixedPoint)
                                             : static_cast<std::uint64_t>(fixedPoint);
    // Four decimals to two, halves away from zero (the sign is put back by the pattern).
    const std::uint64_t cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    const std::string n = FormatDigits(cents, regional);
    const std::string& s = regional.CurrencySymbol;
    // A negative amount that rounds to 0.00 is shown without a sign.
    if (!negative || cents == 0) {
        switch (regional.CurrencyFormat) {
        case 1:
            return n + s;
        case 2:
            return s + " " + n;
        case 3:
            return n + " " + s;
        default:
            return s + n;
        }
    }
    switch (regional.NegCurrFormat) {
    case 1:
        return "-" + s + n;
    case 2:
        return s + "-" + n;
    case 3:
        return s + n + "-";
    case 4:
        return "(" + n + s + ")";
    case 5:
        return "-" + n + s;
    case 6:
        return n + "-" + s;
    case 7:
        return n + s + "-";
    case 8:
        return "-" + n + " " + s;
    case 9:
        return "-" + s + " " + n;
    case 10:
        return n + " " + s + "-";
    case 11:
        return s + " " + n + "-";
    case 12:
        return s + " -" + n;
    case 13:
        return n + "- " + s;
    case 14:
        return "(" + s + " " + n + ")";
    case 15:
        return "(" + n + " " + s + ")";
    default:
        return "(" + s + n + ")";
    }
}

} // namespace ashtally
