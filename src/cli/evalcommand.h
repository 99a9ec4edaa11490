#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ashtally::cli {

// ashtally-cli eval [--var NAME=NUMBER]... [--text] FORMULA...
// args are the words after "eval". One evaluator serves the whole run: each --var is stored in
// order, then each FORMULA is evaluated in order and gives one line on `out`, its value or
// "error: " and the message. Returns the exit status: 0 when every formula succeeded, 1 when one
// failed, 2 for bad usage (with a message on `err`).
int RunEval(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A number as the command line writes it: the fewest digits that read back as the same double,
// a "." decimal point, and an exponent only below 1e-5 or above 1e15 in magnitude.
std::string FormatNumber(double value);

} // namespace ashtally::cli
