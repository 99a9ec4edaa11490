#pragma once

#include <cstdint>
#include <string>

#include "util/regional.h"

namespace ashtally {

// A fixed-point amount (the amount times 10000) written as money in the user's regional format:
// two decimal places (the four stored ones rounded, halves away from zero), the thousands and
// decimal separators, and the currency symbol placed by the positive or negative pattern. A
// pattern number outside its range is read as the first pattern ("$1", "($1)").
std::string FormatMoney(std::int64_t fixedPoint, const RegionalSettings& regional);

} // namespace ashtally
