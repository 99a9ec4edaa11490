#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ashtally::cli {

// ashtally-cli expand [--at MOMENT] [--quit MOMENT] [--name TEXT] [--email TEXT]
//                     [--cig-per-day N] [--cig-per-pack N] [--cost-per-pack X]
//                     [--min-per-cig X] [--interest X] TEMPLATE
// Expands the template for one quitter made of the options given (a new quitter's defaults for
// the rest) at the moment, and prints the text and a line break. args are the words after
// "expand". Returns the exit status: 0, 1 on an error, 2 on a usage mistake.
int RunExpand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ashtally::cli
