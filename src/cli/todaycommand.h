#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ashtally::cli {

// ashtally-cli today [--data-dir DIR] [--at MOMENT]
// Prints the user's Today text at the moment, as the Today page would show it, and a line
// break. args are the words after "today". Returns 0, 1 on an error, 2 on a usage mistake.
int RunToday(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// ashtally-cli clipboard [--data-dir DIR] [--at MOMENT]
// Prints the user's clipboard text at the moment, as the preview would show it (an error of
// the clipboard template shows as its message, as there), and a line break.
int RunClipboard(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ashtally::cli
