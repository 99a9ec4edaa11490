#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ashtally::cli {

// ashtally-cli eval [--var NAME=NUMBER]... [--text] FORMULA...
// args are the words after "eval". Returns the exit status.
int RunEval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace ashtally::cli
