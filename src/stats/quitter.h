#pragma once

#include <cstdint>
#include <string>

#include "util/datetime.h"

namespace ashtally {

// Money in fixed point: the amount times 10000, so 1.00 is 10000.
using Money = std::int64_t;
inline constexpr Money kMoneyScale = 10000;

// One person whose quit is tracked: the user or a buddy.
struct Quitter {
    std::string Name;
    std::string EMail;      // one address or several, separated by ";" or ","
    TDateTime QuitDate = 0; // local wall-clock time
    std::uint32_t CigPerDay = 0;
    std::uint32_t CigPerPack = 0;
    Money CostPerPack = 0;
    Money MoneySaved = 0; // as last computed; never stored in the quitters file
};

} // namespace ashtally

namespace ashtally {

// A new quitter as the user's first entry or a newly added buddy: no e-mail, quitting today at
// 12:00 moved on by six calendar months, 40 a day, 20 a pack, 1.00 a pack.
Quitter NewQuitterRecord(std::string name, TDateTime now);

} // namespace ashtally
