#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ashtally {

// Attribute bits of a found entry, and the filters made of them. On this platform a name
// starting with "." is hidden, and anything that is neither a plain file nor a folder (a
// socket, device, fifo or dangling link) counts as a system file.
inline constexpr int faReadOnly = 0x01;
inline constexpr int faHidden = 0x02;
inline constexpr int faSysFile = 0x04;
inline constexpr int faDirectory = 0x10;
inline constexpr int faArchive = 0x20; // a plain file
inline constexpr int faAnyFile = faReadOnly | faHidden | faSysFile | faDirectory | faArchive;

// Plain and read-only files; no hidden or system files, no folders.
inline constexpr int faOrdinaryFiles = faReadOnly | faArchive;

// An entry passes a filter unless it has a hidden, system or folder bit that the filter lacks:
// read-only and plain files pass every filter.
bool AttributesMatch(int entryAttributes, int filter);

// "*" for any run of characters, "?" for one (a whole UTF-8 character); letters match either case
// (ASCII only) and
// "*.*" matches every name, a name without a dot too.
bool MatchesMask(std::string_view name, std::string_view mask);

struct FoundFile {
    std::string Name; // the full path with FullPaths, else the bare name
    int Attributes = 0;

    bool operator==(const FoundFile&) const = default;
};

using FileList = std::vector<FoundFile>;

// One enumeration of a folder tree. The files of a folder come first, in byte order of their
// names, then each subfolder's tree in turn (depth first). Folders whose names start with "."
// are never entered, and a linked folder is never followed, so a link cannot make a loop.
class TFileSearch {
public:
    explicit TFileSearch(FileList& results) : Results(results) {}

    bool Recursive = true;
    bool FullPaths = false;
    int Attributes = faOrdinaryFiles;
    FileList& Results;

    // A folder that does not exist, or cannot be read, adds nothing.
    void Search(const std::string& folder, const std::string& mask);
};

// Appends the files of the folder matching mask and attributes to results; recursive also
// switches on full paths.
void FindFiles(const std::string& folder, const std::string& mask, bool recursive, int attributes,
               FileList& results);

} // namespace ashtally
