#include "settings/inifile.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "settings/textlines.h"
#include "util/errors.h"
#include "util/fileio.h"
#include "util/textutils.h"

namespace ashtally {

namespace {


// A kept line without "=" has no key and matches no key, not even an empty one.
bool LineHasKey(std::string_view line, std::string_view key) {
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && SameKey(line.substr(0, equals), key);
}

} // namespace

bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

IniFile::IniFile(std::string fileName) : m_fileName(std::move(fileName)) {
    Parse(ReadFileBytes(m_fileName, /*missingIsEmpty=*/true));
}

IniFile IniFile::FromText(std::string_view text) {
    IniFile ini;
    ini.Parse(text);
    return ini;
}

void IniFile::Parse(std::string_view text) {
    m_sections.clear();
    for (std::string& line : SplitTextLines(text)) {
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            // A name met twice starts a second section; lookups find the first, and saving
            // writes both back, so nothing a user wrote is lost.
            const std::string_view name = std::string_view(line).substr(1, line.size() - 2);
            m_sections.push_back(Section{std::string(TrimBlanks(name)), {}});
            continue;
        }
        if (!m_sections.empty()) {
            m_sections.back().Lines.push_back(std::move(line));
        }
    }
    m_modified = false;
}

const IniFile::Section* IniFile::Find(std::string_view name) const {
    const auto found = std::find_if(m_sections.begin(), m_sections.end(),
                                    [name](const Section& s) { return SameKey(s.Name, name); });
    return found == m_sections.end() ? nullptr : &*found;
}

IniFile::Section* IniFile::Find(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).Find(name));
}

std::vector<std::string> IniFile::Sections() const {
    std::vector<std::string> names;
    names.reserve(m_sections.size());
    for (const Section& section : m_sections) {
        names.push_back(section.Name);
    }
    return names;
}

bool IniFile::SectionExists(std::string_view section) const {
    return Find(section) != nullptr;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    const Section* found = Find(section);
    return found ? found->Lines : std::vector<std::string>{};
}

std::optional<std::string> IniFile::ReadString(std::string_view section,
                                               std::string_view key) const {
    const Section* found = Find(section);
    if (!found) {
        return std::nullopt;
    }
    for (const std::string& line : found->Lines) {
        if (LineHasKey(line, key)) {
            return line.substr(line.find('=') + 1);
        }
    }
    return std::nullopt;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    m_modified = true;

    Section* found = Find(section);
    if (!found) {
        m_sections.push_back(Section{std::string(section), {std::move(line)}});
        return;
    }
    std::vector<std::string>& lines = found->Lines;
    const auto hasKey = [key](const std::string& l) { return LineHasKey(l, key); };
    const auto first = std::find_if(lines.begin(), lines.end(), hasKey);
    if (first == lines.end()) {
        lines.push_back(std::move(line));
        return;
    }
    *first = std::move(line);
    // Later lines of the key go: a reader that takes the last line of a key would otherwise
    // get a stale value back instead of the one just written.
    lines.erase(std::remove_if(std::next(first), lines.end(), hasKey), lines.end());
}

std::string IniFile::Text() const {
    std::string text;
    for (const Section& section : m_sections) {
        text.append("[").append(section.Name).append("]\r\n");
        for (const std::string& line : section.Lines) {
            text.append(line).append("\r\n");
        }
        text.append("\r\n");
    }
    return text;
}

void IniFile::Save() {
    if (!m_modified) {
        return;
    }
    if (m_fileName.empty()) {
        throw EFileError("Cannot save settings that belong to no file");
    }
    WriteFileAtomically(m_fileName, Text());
    m_modified = false;
}

} // namespace ashtally
