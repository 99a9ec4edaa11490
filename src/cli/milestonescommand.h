#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ashtally::cli {

// ashtally-cli milestones [--data-dir DIR] [--at MOMENT]
// Prints the milestone list the program would build at the moment from its data folder, in
// list order, one row a line: Who, When (local YYYY-MM-DDTHH:MM:SS to the nearest second),
// Level, ShortText and LongText, separated by tabs. In the texts a tab is written "\t", a
// carriage return "\r", a line feed "\n" and a backslash "\\". args are the words after
// "milestones". Returns 0, 1 on an error (nothing is printed then), 2 on a usage mistake.
int RunMilestones(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ashtally::cli
