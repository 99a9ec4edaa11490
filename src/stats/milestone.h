#pragma once

#include <cstdint>
#include <string>

#include "util/datetime.h"

namespace ashtally {

// One row of the milestone list: a moment of a quitter's quit worth a word of encouragement.
// The row refers to its quitter only through copies of the name and e-mail taken when it was
// made, so editing or removing the quitter leaves the row as it is until the next rebuild.
struct Milestone {
    std::string Who;   // the quitter's Name
    std::string EMail; // the quitter's EMail
    TDateTime When = 0;
    std::string ShortText;  // the expanded template up to the first "|" (or all of it)
    std::string LongText;   // the expanded template after the first "|" (or all of it)
    std::uint8_t Level = 0; // 0 to 4: colour and bold type, and the order of equal moments
};

} // namespace ashtally
