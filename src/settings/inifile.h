#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ashtally {

// Keys and section names of "options.ini" match whatever the letter case of their ASCII letters;
// other bytes (the rest of UTF-8) must be equal.
bool SameKey(std::string_view a, std::string_view b);

// An INI file held in memory. Opening reads the whole file; reading and writing work on the
// copy; Save() writes the whole file back if anything was written since it was opened. Every
// writer of a file opens all of it and changes only its own section, so the option store and
// the window placement keep each other's sections.
//
// The layout it reads:
//   file     = { line } ;   lines end with CR LF, CR or LF
//   line     = "" | ";" comment | "[" name "]" | other
// Empty lines and comments are dropped. A line opening with "[" and closing with "]" starts a
// section named by the text between, blanks around it removed. Every other line is kept as it
// stands in the section last started; lines before the first section are dropped. The key of a
// kept line is the text before its first "=".
class IniFile {
public:
    // An empty object that belongs to no file (Save() cannot write it).
    IniFile() = default;

    // Reads the file; one that does not exist gives an empty object. A file that exists but
    // cannot be read raises EFileError.
    explicit IniFile(std::string fileName);

    // An object that belongs to no file, read from the given text.
    static IniFile FromText(std::string_view text);

    const std::string& FileName() const { return m_fileName; }

    // The names of the sections in file order.
    std::vector<std::string> Sections() const;
    bool SectionExists(std::string_view section) const;

    // The stored lines of the section in order; none for a missing section.
    std::vector<std::string> ReadSection(std::string_view section) const;

    // The text after the first "=" of the section's first line whose key is key.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;

    // Replaces the section's first line whose key is key by key "=" value and drops the
    // section's later lines of that key, or appends the line at the end of the section; a
    // missing section is appended after the others. Neither key
    // nor value may hold a line break (the option store escapes its texts for that reason).
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Whether anything was written since the object was opened or last saved.
    bool Modified() const { return m_modified; }

    // The whole file as Save() writes it: per section a "[name]" line, its lines and one empty
    // line, every line ending with CR LF.
    std::string Text() const;

    // Writes the whole file atomically if anything was written since it was opened; raises
    // EFileError when it cannot (the old file then stays whole and the object stays modified).
    void Save();

private:
    struct Section {
        std::string Name;
        std::vector<std::string> Lines;
    };

    void Parse(std::string_view text);
    const Section* Find(std::string_view name) const;
    Section* Find(std::string_view name);

    std::string m_fileName;
    std::vector<Section> m_sections;
    bool m_modified = false;
};

} // namespace ashtally
