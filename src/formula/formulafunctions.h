#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The arithmetic of the formula language and the helpers of its built-in functions. Every
// floating-point fault is raised as an error (EZeroDivide, EInvalidOp, EOverflow, EDivByZero):
// no infinity or not-a-number ever leaves these functions.
namespace ashtally::formula {

// Raises the error that matches a value that is not finite: EInvalidOp for not-a-number,
// EOverflow for an infinity.
[[noreturn]] void RaiseNotFinite(double value);

// The value itself when it is finite; the matching error otherwise.
inline double Checked(double value) {
    if (!std::isfinite(value)) [[unlikely]] {
        RaiseNotFinite(value);
    }
    return value;
}

// Truncation toward zero to a signed 64-bit integer; EInvalidOp outside that range.
std::int64_t TruncToInt64(double value);

// Rounding to the nearest integer, halves to the even neighbour; EInvalidOp outside the signed
// 64-bit range.
std::int64_t RoundToInt64(double value);

// left / right: EZeroDivide for a zero divisor, EInvalidOp for 0 / 0, EOverflow past a double.
double Divide(double left, double right);

// The integer remainder of both operands truncated toward zero, with the sign of the left one;
// EDivByZero when the right one truncates to 0.
double Modulo(double left, double right);

// left × right / 100.
double PercentOf(double left, double right);

// e^(exponent × ln base), computed in extended precision; a base of exactly 0 yields 1 for every
// exponent, a negative base raises EInvalidOp.
double Power(double base, double exponent);

// x written in fixed point with `decimals` rounded half to even (0 to 18, else 2) digits after
// the point, halves judged on its 18-significant-digit form going away from zero, read back.
double RoundDecimals(double x, double decimals);

// The one-argument built-in functions of the numeric language. Each returns false for a name it
// does not know; a fault raises the platform's error.
bool CallMathFunction(std::string_view name, double& value);

// The text without the bytes with codes up to 32 at its start, at its end or at both ends.
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// Texts are UTF-8, so these count and cut whole characters: a well-formed UTF-8 sequence is one
// character, and so is every byte that does not belong to one.
std::size_t Utf8Length(std::string_view text);
// The first `count` characters (all of them when there are fewer; none for a count below 1).
std::string_view Utf8Left(std::string_view text, std::int64_t count);
// The last `count` characters (all of them when there are fewer; none for a count below 1).
std::string_view Utf8Right(std::string_view text, std::int64_t count);
// `count` characters from the 1-based position `start`; a start below 1 counts as 1, a start
// past the end or a count below 1 gives nothing, a count running past the end stops there.
std::string_view Utf8Substr(std::string_view text, std::int64_t start, std::int64_t count);

} // namespace ashtally::formula
