#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ashtally {

// The UTF-8 byte order mark, which some editors put at the start of a text file.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The lines of a data file's text, split at CR LF, CR or LF. A final line break ends the last
// line rather than starting an empty one, so "a\r\nb\r\n" gives "a" and "b", and "" gives no
// line at all. A UTF-8 byte order mark at the very start (left there by some editors) is not
// part of the first line.
std::vector<std::string> SplitTextLines(std::string_view text);

} // namespace ashtally
