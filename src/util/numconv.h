#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ashtally {

// Number <-> text conversions of the data files and the option store.

// The shortest general decimal form with at most 15 significant digits, the given decimal
// separator and no thousands separators: 100 -> "100", 2.5 -> "2.5", 38353.5 -> "38353.5",
// 1e-7 -> "1E-7" (an exponent below 0.0001 and from 1E15 up, as "d.dddE-x" / "d.dddEx").
// Not-a-number and infinities, which never should get this far, read "NAN", "INF", "-INF".
std::string FloatToStr(double value, std::string_view decimalSeparator = ".");

// A decimal number, optional sign, optional fraction and exponent, blanks around it allowed.
// Either "." or "," is accepted as the decimal separator (and the given one too, when it is
// another), so files move between locales without loss. Anything else raises EConvertError
// "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text, std::string_view decimalSeparator = ".");

// A decimal integer with optional sign, blanks around it allowed, in the signed 32-bit range;
// anything else raises EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// Rounding to the nearest integer with halves to the even neighbour; a value outside the
// 64-bit range, or not a number, raises EInvalidOp.
std::int64_t RoundHalfEven(double value);

} // namespace ashtally
