#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "stats/quitter.h"

namespace ashtally {

struct RegionalSettings;

// A line of the quitters file that could not be read. It is kept exactly as it stood and
// written back after the quitters, so a hand edit gone wrong never costs a buddy.
struct UnreadLine {
    int LineNumber = 0; // counted from 1
    std::string Text;
    std::string Reason;
};

struct QuittersFileContents {
    std::vector<Quitter> Quitters; // in file order; the first is the user
    std::vector<UnreadLine> UnreadLines;
};

// "buddies.csv": one line per quitter, six fully quoted fields: name, e-mail, quit date (days
// since 1899-12-30, the fraction the time of day), cigarettes a day, cigarettes a pack, price of
// a pack. Numbers are written with the locale's decimal separator and read with "." or ",".
// Blank lines are skipped; a line that cannot be read is kept in UnreadLines with the reason,
// and reading goes on. A missing file gives no quitters; one that exists but cannot be read
// raises EFileError.
QuittersFileContents ReadQuittersFile(const std::string& path, const RegionalSettings& regional);

// The same from the file's bytes.
QuittersFileContents ReadQuittersText(std::string_view text, const RegionalSettings& regional);

// One line per quitter in list order, then the unread lines unchanged, every line ending with
// CR LF; written atomically, EFileError where it cannot be.
void WriteQuittersFile(const std::string& path, const std::vector<Quitter>& quitters,
                       const std::vector<UnreadLine>& unreadLines,
                       const RegionalSettings& regional);

// The bytes WriteQuittersFile writes.
std::string QuittersText(const std::vector<Quitter>& quitters,
                         const std::vector<UnreadLine>& unreadLines,
                         const RegionalSettings& regional);

// What the user is told, once, about the lines that could not be read; empty when all were.
std::string UnreadLinesMessage(const std::vector<UnreadLine>& unreadLines,
                               std::string_view fileName = "buddies.csv");

} // namespace ashtally
