#include "util/numconv.h"

#include "util/errors.h"
#include "util/textutils.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace ashtally {

namespace {

constexpr int kSignificantDigits = 15;

// The general form switches to an exponent when the plain form would need leading zeros
// beyond four, or more integer digits than the precision holds.
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = kSignificantDigits - 1;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}


[[noreturn]] void ThrowNotFloat(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void ThrowNotInteger(std::string_view text) {
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

// The length of the decimal separator that starts the text: ".", "," or the locale's own.
std::size_t SeparatorAt(std::string_view text, std::string_view decimalSeparator) {
    if (!text.empty() && (text.front() == '.' || text.front() == ',')) {
        return 1;
    }
    if (!decimalSeparator.empty() && text.starts_with(decimalSeparator)) {
        return decimalSeparator.size();
    }
    return 0;
}

std::size_t DigitRun(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) {
        ++n;
    }
    return n;
}

} // namespace

std::string FloatToStr(double value, std::string_view decimalSeparator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    if (value == 0) {
        return "0";
    }

    // Rounded once to the precision, in the form d.dddddddddddddde[+-]x; the rest is layout.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    if (ec != std::errc{}) {
        return "NAN"; // cannot happen with this buffer, kept so the result is never garbage
    }
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));

    std::string result;
    if (text.front() == '-') {
        result = "-";
        text.remove_prefix(1);
    }
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, ePos)) {
        if (IsDigit(c)) {
            digits += c;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    const std::string_view expText = text.substr(ePos + 1);
    const char* expBegin = expText.data() + (expText.front() == '+' ? 1 : 0);
    std::from_chars(expBegin, expText.data() + expText.size(), exponent);

    if (exponent < kLowestPlainExponent || exponent > kHighestPlainExponent) {
        result += digits[0];
        if (digits.size() > 1) {
            result.append(decimalSeparator);
            result.append(digits, 1);
        }
        result += 'E';
        result += std::to_string(exponent);
        return result;
    }

    if (exponent < 0) {
        result += '0';
        result.append(decimalSeparator);
        result.append(static_cast<std::size_t>(-exponent - 1), '0');
        result += digits;
        return result;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        result += digits;
        result.append(integerDigits - digits.size(), '0');
    } else {
        result.append(digits, 0, integerDigits);
        result.append(decimalSeparator);
        result.append(digits, integerDigits);
    }
    return result;
}

// number   = blanks [sign] mantissa [exponent] blanks
// mantissa = digits [separator [digits]] | separator digits
// exponent = ("E" | "e") [sign] digits
// separator = "." | "," | the locale's decimal separator
double StrToFloat(std::string_view text, std::string_view decimalSeparator) {
    std::string_view rest = TrimBlanks(text);

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }

    const std::size_t integerLength = DigitRun(rest);
    const std::string_view integerDigits = rest.substr(0, integerLength);
    rest.remove_prefix(integerLength);

    std::string_view fractionDigits;
    if (const std::size_t separatorLength = SeparatorAt(rest, decimalSeparator)) {
        rest.remove_prefix(separatorLength);
        fractionDigits = rest.substr(0, DigitRun(rest));
        rest.remove_prefix(fractionDigits.size());
    }
    if (integerDigits.empty() && fractionDigits.empty()) {
        ThrowNotFloat(text);
    }

    // The exponent is kept as its digits: a long run of them is absurd but must not overflow.
    bool negativeExponent = false;
    std::string_view exponentDigits;
    if (!rest.empty() && (rest.front() == 'e' || rest.front() == 'E')) {
        rest.remove_prefix(1);
        if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
            negativeExponent = rest.front() == '-';
            rest.remove_prefix(1);
        }
        exponentDigits = rest.substr(0, DigitRun(rest));
        if (exponentDigits.empty()) {
            ThrowNotFloat(text);
        }
        rest.remove_prefix(exponentDigits.size());
    }
    if (!rest.empty()) {
        ThrowNotFloat(text);
    }

    while (exponentDigits.size() > 1 && exponentDigits.front() == '0') {
        exponentDigits.remove_prefix(1);
    }
    constexpr std::size_t kMaxExponentDigits = 9;
    const std::string exponent = exponentDigits.size() > kMaxExponentDigits
                                     ? std::string(kMaxExponentDigits, '9')
                                     : std::string(exponentDigits);

    std::string normalized(integerDigits.empty() ? "0" : integerDigits);
    if (!fractionDigits.empty()) {
        normalized += '.';
        normalized += fractionDigits;
    }
    if (!exponent.empty()) {
        normalized += negativeExponent ? "e-" : "e";
        normalized += exponent;
    }

    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to tell from zero reads as zero; too large is not a number we can hold.
        // The first significant digit's power of ten tells the two apart.
        long long order = 0;
        const std::size_t firstInteger = integerDigits.find_first_not_of('0');
        if (firstInteger != std::string_view::npos) {
            order = static_cast<long long>(integerDigits.size() - firstInteger) - 1;
        } else {
            order = -static_cast<long long>(fractionDigits.find_first_not_of('0')) - 1;
        }
        long long exponentValue = 0;
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), exponentValue);
        order += negativeExponent ? -exponentValue : exponentValue;
        if (order >= 0) {
            ThrowNotFloat(text);
        }
        value = 0;
    } else if (ec != std::errc{} || ptr != normalized.data() + normalized.size()) {
        ThrowNotFloat(text);
    }
    return negative ? -value : value;
}

// integer = blanks [sign] digits blanks
std::int32_t StrToInt(std::string_view text) {
    std::string_view rest = TrimBlanks(text);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty() || DigitRun(rest) != rest.size()) {
        ThrowNotInteger(text);
    }
    // The sign goes to the conversion with the digits, so that the lowest value still fits.
    const char* begin = negative ? rest.data() - 1 : rest.data();
    const char* end = rest.data() + rest.size();
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc{} || ptr != end) {
        ThrowNotInteger(text);
    }
    return value;
}

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) {
        throw EInvalidOp();
    }
    const double lower = std::floor(value);
    const double above = value - lower;
    double rounded = lower;
    if (above > 0.5) {
        rounded = lower + 1;
    } else if (above == 0.5) {
        rounded = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    }
    // 2^63 is exactly representable; every double below it and at or above -2^63 fits.
    constexpr double kLimit = 9223372036854775808.0;
    if (!(rounded >= -kLimit && rounded < kLimit)) {
        throw EInvalidOp();
    }
    return static_cast<std::int64_t>(rounded);
}

} // namespace ashtally
