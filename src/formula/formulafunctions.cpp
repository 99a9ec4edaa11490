#include "formula/formulafunctions.h"

#include <array>
#include <charconv>
#include <cstring>

#include "util/errors.h"

namespace ashtally::formula {

namespace {

// 2^63: the first value past the signed 64-bit range, exactly representable.
constexpr double kTwoPow63 = 9223372036854775808.0;

bool InInt64Range(double value) {
    return value >= -kTwoPow63 && value < kTwoPow63;
}

// The length of the well-formed UTF-8 sequence at the start of `text`, or 1 when its first byte
// starts none (a stray continuation byte, an overlong form, a surrogate, a cut-off sequence).
std::size_t CharLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte, narrowed for some lead bytes
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 1;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 1;
        }
    }
    return length;
}

// The byte offset after skipping `count` characters (or the whole text).
std::size_t SkipChars(std::string_view text, std::int64_t count) {
    std::size_t offset = 0;
    for (; count > 0 && offset < text.size(); --count) {
        offset +=
            static_cast<unsigned char>(text[offset]) < 0x80 ? 1 : CharLength(text.substr(offset));
    }
    return offset;
}

} // namespace

void RaiseNotFinite(double value) {
    if (std::isnan(value)) {
        throw EInvalidOp();
    }
    throw EOverflow();
}

std::int64_t TruncToInt64(double value) {
    if (!InInt64Range(value)) {
        throw EInvalidOp();
    }
    return static_cast<std::int64_t>(value);
}

std::int64_t RoundToInt64(double value) {
    if (!InInt64Range(value)) {
        throw EInvalidOp();
    }
    // Halves to the even neighbour, independent of the rounding mode in force.
    double whole = std::trunc(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    } else if (rest < -0.5 || (rest == -0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole -= 1.0;
    }
    if (!InInt64Range(whole)) {
        throw EInvalidOp();
    }
    return static_cast<std::int64_t>(whole);
}

double Divide(double left, double right) {
    if (right == 0.0) {
        if (left == 0.0) {
            throw EInvalidOp();
        }
        throw EZeroDivide();
    }
    return Checked(left / right);
}

double Modulo(double left, double right) {
    const std::int64_t dividend = TruncToInt64(left);
    const std::int64_t divisor = TruncToInt64(right);
    if (divisor == 0) {
        throw EDivByZero();
    }
    // The remainder of any integer by -1 is 0; asking the processor would overflow for the
    // smallest 64-bit integer.
    if (divisor == -1) {
        return 0.0;
    }
    return static_cast<double>(dividend % divisor);
}

double PercentOf(double left, double right) {
    // In extended precision, so that a product past the double range that comes back into it
    // after the division is no overflow.
    return Checked(static_cast<double>(static_cast<long double>(left) * right / 100.0L));
}

double Power(double base, double exponent) {
    if (base == 0.0) {
        return 1.0;
    }
    if (base < 0.0) {
        throw EInvalidOp();
    }
    const long double result =
        std::exp(static_cast<long double>(exponent) * std::log(static_cast<long double>(base)));
    return Checked(static_cast<double>(result));
}

double RoundDecimals(double x, double decimals) {
    std::int64_t places = RoundToInt64(decimals);
    if (places < 0 || places > 18) {
        places = 2;
    }
    // x with 18 significant digits: "d.ddddddddddddddddde±X".
    std::array<char, 64> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::scientific, 17);
    const bool negative = text[0] == '-';
    const char* mantissa = text.data() + (negative ? 1 : 0);
    const char* exponentMark = std::strchr(mantissa, 'e');
    int exponent = 0;
    std::from_chars(exponentMark + 1 + (exponentMark[1] == '+' ? 1 : 0), written.ptr, exponent);

    std::array<char, 24> digits{}; // the 18 significant digits, without the point
    std::size_t digitCount = 0;
    for (const char* p = mantissa; p < exponentMark; ++p) {
        if (*p != '.') {
            digits[digitCount++] = *p;
        }
    }
    // The digits before the point are exponent + 1; the kept ones reach `places` beyond it.
    const std::int64_t keep = exponent + 1 + places;
    if (keep >= static_cast<std::int64_t>(digitCount)) {
        return x; // nothing is cut: the 18-digit form reads back as x itself
    }
    if (keep < 0) {
        return 0.0; // even the first dropped digit is a leading zero
    }
    std::array<char, 32> kept{};
    std::size_t keptCount = static_cast<std::size_t>(keep);
    std::memcpy(kept.data() + 1, digits.data(), keptCount);
    kept[0] = '0'; // room for a carry out of the first digit
    if (digits[keptCount] >= '5') {
        std::size_t i = keptCount;
        while (kept[i] == '9') {
            kept[i--] = '0';
        }
        ++kept[i];
    }
    ++keptCount;
    bool allZero = true;
    for (std::size_t i = 0; i < keptCount; ++i) {
        allZero = allZero && kept[i] == '0';
    }
    if (allZero) {
        return 0.0; // no negative zero out of a rounding
    }
    double magnitude = 0.0;
    // kept holds the digits of value × 10^places (with one leading zero for the carry).
    std::array<char, 64> number{};
    std::memcpy(number.data(), kept.data(), keptCount);
    char* end = number.data() + keptCount;
    *end++ = 'e';
    end = std::to_chars(end, number.data() + number.size(), -places).ptr;
    std::from_chars(number.data(), end, magnitude);
    return negative ? -magnitude : magnitude;
}

bool CallMathFunction(std::string_view name, double& value) {
    const double x = value;
    const long double xl = x;
    if (name == "TRUNC") {
        value = static_cast<double>(TruncToInt64(x));
    } else if (name == "INT") {
        value = std::trunc(x);
    } else if (name == "FRAC") {
        value = x - std::trunc(x);
    } else if (name == "SIN") {
        value = std::fabs(x) >= kTwoPow63 ? 0.0 : static_cast<double>(std::sin(xl));
    } else if (name == "COS") {
        value = std::fabs(x) >= kTwoPow63 ? 0.0 : static_cast<double>(std::cos(xl));
    } else if (name == "TAN") {
        const long double sine = std::fabs(x) >= kTwoPow63 ? 0.0L : std::sin(xl);
        const long double cosine = std::fabs(x) >= kTwoPow63 ? 0.0L : std::cos(xl);
        if (cosine == 0.0L) {
            if (sine == 0.0L) {
                throw EInvalidOp();
            }
            throw EZeroDivide();
        }
        value = Checked(static_cast<double>(sine / cosine));
    } else if (name == "ATAN") {
        value = static_cast<double>(std::atan(xl));
    } else if (name == "LN") {
        if (x == 0.0) {
            throw EZeroDivide();
        }
        if (x < 0.0) {
            throw EInvalidOp();
        }
        value = static_cast<double>(std::log(xl));
    } else if (name == "EXP") {
        value = Checked(static_cast<double>(std::exp(xl)));
    } else if (name == "SIGN") {
        value = x > 0.0 ? 1.0 : (x < 0.0 ? -1.0 : x);
    } else if (name == "SGN") {
        value = x > 0.0 ? 1.0 : 0.0;
    } else if (name == "XSGN") {
        value = x >= 0.0 ? x : 0.0;
    } else {
        return false;
    }
    return true;
}

std::string_view TrimLeft(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && static_cast<unsigned char>(text[start]) <= 32) {
        ++start;
    }
    return text.substr(start);
}

std::string_view TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= 32) {
        --end;
    }
    return text.substr(0, end);
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < text.size(); ++count) {
        offset +=
            static_cast<unsigned char>(text[offset]) < 0x80 ? 1 : CharLength(text.substr(offset));
    }
    return count;
}

std::string_view Utf8Left(std::string_view text, std::int64_t count) {
    return text.substr(0, SkipChars(text, count));
}

std::string_view Utf8Right(std::string_view text, std::int64_t count) {
    if (count <= 0) {
        return {};
    }
    const auto length = static_cast<std::int64_t>(Utf8Length(text));
    return count >= length ? text : text.substr(SkipChars(text, length - count));
}

std::string_view Utf8Substr(std::string_view text, std::int64_t start, std::int64_t count) {
    if (count < 1) {
        return {};
    }
    const std::size_t from = SkipChars(text, start < 1 ? 0 : start - 1);
    const std::string_view rest = text.substr(from);
    return rest.substr(0, SkipChars(rest, count));
}

} // namespace ashtally::formula
