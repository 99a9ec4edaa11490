#include "util/filesearch.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace ashtally {

namespace {

struct FolderEntry {
    std::string Name;
    int Attributes = 0;
    bool IsFolder = false; // a real folder, not a link to one
};

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int AttributesOf(const std::string& path, const std::string& name, bool& isRealFolder) {
    struct stat linkInfo {};
    struct stat info {};
    isRealFolder = ::lstat(path.c_str(), &linkInfo) == 0 && S_ISDIR(linkInfo.st_mode);
    int attributes = 0;
    if (::stat(path.c_str(), &info) != 0) {
        attributes = faSysFile; // a link to nothing
    } else {
        if (S_ISDIR(info.st_mode)) {
            attributes = faDirectory;
        } else if (S_ISREG(info.st_mode)) {
            attributes = faArchive;
        } else {
            attributes = faSysFile;
        }
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            attributes |= faReadOnly;
        }
    }
    if (!name.empty() && name.front() == '.') {
        attributes |= faHidden;
    }
    return attributes;
}

// The entries of one folder in byte order of their names, so that every run lists the same
// files in the same order whatever the file system does.
std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        FolderEntry entry;
        entry.Name = it->path().filename().string();
        entry.Attributes = AttributesOf(folder + entry.Name, entry.Name, entry.IsFolder);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.Name < b.Name; });
    return entries;
}

} // namespace

bool AttributesMatch(int entryAttributes, int filter) {
    constexpr int kSpecial = faHidden | faSysFile | faDirectory;
    return (entryAttributes & kSpecial & ~filter) == 0;
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*") {
        return true;
    }
    // Greedy matching that remembers the last "*" and retries from there: linear in practice,
    // never exponential.
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && mask[m] == '?') {
            // One character, not one byte: a letter of another alphabet is never cut in half.
            ++m;
            ++n;
            while (n < name.size() && IsContinuationByte(name[n])) {
                ++n;
            }
        } else if (m < mask.size() && FoldAscii(mask[m]) == FoldAscii(name[n])) {
            ++m;
            ++n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
}

void TFileSearch::Search(const std::string& folder, const std::string& mask) {
    std::string start = folder;
    if (!start.empty() && start.back() != '/') {
        start += '/';
    }
    // Depth first without recursion, so that no depth of folders can exhaust the stack: a
    // folder's subfolders go on the stack in reverse, so the first is searched next.
    std::vector<std::string> pending{start};
    while (!pending.empty()) {
        const std::string current = std::move(pending.back());
        pending.pop_back();
        const std::vector<FolderEntry> entries = ListFolder(current);
        for (const auto& entry : entries) {
            if (MatchesMask(entry.Name, mask) && AttributesMatch(entry.Attributes, Attributes)) {
                Results.push_back(
                    {FullPaths ? current + entry.Name : entry.Name, entry.Attributes});
            }
        }
        if (!Recursive) {
            break;
        }
        for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
            if (it->IsFolder && it->Name.front() != '.') {
                pending.push_back(current + it->Name + "/");
            }
        }
    }
}

void FindFiles(const std::string& folder, const std::string& mask, bool recursive, int attributes,
               FileList& results) {
    TFileSearch search(results);
    search.Recursive = recursive;
    search.FullPaths = recursive;
    search.Attributes = attributes;
    search.Search(folder, mask);
}

} // namespace ashtally
