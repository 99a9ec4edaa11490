#include "util/autostart.h"

#include "util/errors.h"
#include "util/fileio.h"

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace ashtally {

namespace {

constexpr std::string_view EntryName = "Ashtally.desktop";
constexpr std::string_view MainGroup = "Desktop Entry";

// Only a set, non-empty, absolute path names a folder; anything else is ignored, as the desktop
// itself does.
std::string AbsoluteFolder(const EnvironmentLookup& env, const std::string& name) {
    std::optional<std::string> value = env(name);
    if (!value || value->empty() || value->front() != '/') {
        return {};
    }
    if (value->back() != '/') {
        *value += '/';
    }
    return *value;
}

std::string ConfigFolder(const EnvironmentLookup& env) {
    std::string folder = AbsoluteFolder(env, "XDG_CONFIG_HOME");
    if (folder.empty()) {
        folder = AbsoluteFolder(env, "HOME");
        if (!folder.empty()) {
            folder += ".config/";
        }
    }
    return folder;
}

std::string Reason(int error) {
    return std::generic_category().message(error);
}

const char* NoFolderReason() {
    return "Neither XDG_CONFIG_HOME nor HOME names an absolute folder.";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The keys of the [Desktop Entry] group with their raw (still escaped) values.
//   file    = { line }            lines end at LF; a CR before it is dropped
//   line    = group | pair | comment | blank
//   group   = "[" name "]"
//   pair    = key { blank } "=" { blank } value
//   comment = "#" { any }
// A later pair for the same key replaces an earlier one; lines that fit none of these are
// skipped, so a damaged line elsewhere does not hide the Exec line.
std::vector<std::pair<std::string, std::string>> MainGroupPairs(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    bool inMainGroup = false;
    bool mainGroupSeen = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string_view content = Trimmed(line);
        if (content.empty() || content.front() == '#') {
            continue;
        }
        if (content.front() == '[') {
            const bool isMain = content == "[" + std::string(MainGroup) + "]";
            // Only the first [Desktop Entry] group counts; a repeated one is not the entry.
            inMainGroup = isMain && !mainGroupSeen;
            mainGroupSeen = mainGroupSeen || isMain;
            continue;
        }
        const std::size_t equals = content.find('=');
        if (!inMainGroup || equals == std::string_view::npos) {
            continue;
        }
        const std::string key(Trimmed(content.substr(0, equals)));
        const std::string value(Trimmed(content.substr(equals + 1)));
        bool replaced = false;
        for (auto& pair : pairs) {
            if (pair.first == key) {
                pair.second = value;
                replaced = true;
            }
        }
        if (!replaced) {
            pairs.emplace_back(key, value);
        }
    }
    return pairs;
}

const std::string* Find(const std::vector<std::pair<std::string, std::string>>& pairs,
                        std::string_view key) {
    for (const auto& pair : pairs) {
        if (pair.first == key) {
            return &pair.second;
        }
    }
    return nullptr;
}

bool IsTrue(const std::string* value) {
    return value != nullptr && (*value == "true" || *value == "1");
}

bool IsFalse(const std::string* value) {
    return value != nullptr && (*value == "false" || *value == "0");
}

// The file's escapes of a string value: \s \n \t \r \\. An unknown escape stays as written, so
// the Exec quoting below still sees a "\$" that a hand-written entry holds.
std::string UnescapeValue(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's':
            result += ' ';
            break;
        case 'n':
            result += '\n';
            break;
        case 't':
            result += '\t';
            break;
        case 'r':
            result += '\r';
            break;
        case '\\':
            result += '\\';
            break;
        default:
            result += '\\';
            result += value[i];
            break;
        }
    }
    return result;
}

std::string EscapeValue(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\t':
            result += "\\t";
            break;
        case '\r':
            result += "\\r";
            break;
        default:
            result += c;
            break;
        }
    }
    return result;
}

// The characters that make a word of Exec need quotes; control characters are quoted too, so
// they cannot split or end the word.
bool NeedsQuotes(std::string_view word) {
    if (word.empty()) {
        return true;
    }
    for (const char c : word) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7f ||
            std::string_view(" \"'\\><~|&;$*?#()`").find(c) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

bool IsWordSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string EntryPathOrThrow(const EnvironmentLookup& env, const char* action) {
    std::string path = AutostartEntryPath(env);
    if (path.empty()) {
        throw EFileError(std::string("Cannot ") + action + " the autostart entry. " +
                         NoFolderReason());
    }
    return path;
}

// The reason part of a file error about this path, so the message names the entry only once.
std::string ReasonOf(const EFileError& error, const std::string& path) {
    const std::string message = error.what();
    const std::string marker = "\"" + path + "\". ";
    const std::size_t at = message.rfind(marker);
    return at == std::string::npos ? message : message.substr(at + marker.size());
}

} // namespace

std::string AutostartEntryPath(const EnvironmentLookup& env) {
    const std::string folder = ConfigFolder(env);
    return folder.empty() ? folder : folder + "autostart/" + std::string(EntryName);
}

std::string QuoteExecProgram(const std::string& programPath) {
    // Field codes come after the quoting is undone, so a literal "%" is doubled first.
    std::string word;
    for (const char c : programPath) {
        word += c;
        if (c == '%') {
            word += '%';
        }
    }
    if (NeedsQuotes(word)) {
        std::string quoted = "\"";
        for (const char c : word) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                quoted += '\\';
            }
            quoted += c;
        }
        quoted += '"';
        word = std::move(quoted);
    }
    return EscapeValue(word);
}

// The first word of an Exec value.
//   exec    = { separator } word [ separator { any } ]
//   word    = piece { piece }
//   piece   = quoted | plain
//   quoted  = '"' { "\" ( '"' | "`" | "$" | "\" ) | other } '"'
//   plain   = any character but separator and '"'
//   after the quoting is undone: "%%" = "%"
// A backslash before any other character inside quotes stays as written.
std::optional<std::string> UnquoteExecProgram(const std::string& execValue) {
    const std::string value = UnescapeValue(execValue);
    std::size_t i = 0;
    while (i < value.size() && IsWordSeparator(value[i])) {
        ++i;
    }
    std::string word;
    bool any = false;
    while (i < value.size() && !IsWordSeparator(value[i])) {
        any = true;
        if (value[i] != '"') {
            word += value[i++];
            continue;
        }
        ++i;
        bool closed = false;
        while (i < value.size()) {
            const char c = value[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c == '\\' && i < value.size() &&
                std::string_view("\"`$\\").find(value[i]) != std::string_view::npos) {
                word += value[i++];
            } else {
                word += c;
            }
        }
        if (!closed) {
            return std::nullopt;
        }
    }
    if (!any) {
        return std::nullopt;
    }
    std::string program;
    for (std::size_t k = 0; k < word.size(); ++k) {
        program += word[k];
        if (word[k] == '%' && k + 1 < word.size() && word[k + 1] == '%') {
            ++k;
        }
    }
    return program;
}

std::optional<std::string> ReadAutostartProgram(const EnvironmentLookup& env) {
    const std::string path = AutostartEntryPath(env);
    if (path.empty()) {
        return std::nullopt;
    }
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const EFileError&) {
        return std::nullopt;
    }
    const auto pairs = MainGroupPairs(bytes);
    if (IsTrue(Find(pairs, "Hidden")) || IsFalse(Find(pairs, "X-GNOME-Autostart-enabled"))) {
        return std::nullopt;
    }
    const std::string* exec = Find(pairs, "Exec");
    if (exec == nullptr) {
        return std::nullopt;
    }
    return UnquoteExecProgram(*exec);
}

bool AutostartStartsProgram(const std::string& programPath, const EnvironmentLookup& env) {
    const std::optional<std::string> program = ReadAutostartProgram(env);
    return program && AsciiUpper(*program) == AsciiUpper(programPath);
}

void WriteAutostartEntry(const std::string& programPath, const EnvironmentLookup& env) {
    const std::string path = EntryPathOrThrow(env, "write");
    const std::string folder = path.substr(0, path.rfind('/'));
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw EFileError("Cannot write the autostart entry \"" + path + "\". " + error.message());
    }
    const std::string entry = "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Version=1.5\n"
                              "Name=Ashtally\n"
                              "Comment=A companion for people who have stopped smoking\n"
                              "Exec=" +
                              QuoteExecProgram(programPath) +
                              "\n"
                              "Icon=ashtally\n"
                              "Terminal=false\n"
                              "X-GNOME-Autostart-enabled=true\n";
    try {
        WriteFileAtomically(path, entry);
    } catch (const EFileError& failure) {
        throw EFileError("Cannot write the autostart entry \"" + path + "\". " +
                         ReasonOf(failure, path));
    }
}

void DeleteAutostartEntry(const EnvironmentLookup& env) {
    const std::string path = EntryPathOrThrow(env, "delete");
    if (::unlink(path.c_str()) == 0) {
        return;
    }
    const int error = errno;
    if (error == ENOENT) {
        throw EFileError("The autostart entry \"" + path + "\" does not exist.");
    }
    throw EFileError("Cannot delete the autostart entry \"" + path + "\". " + Reason(error));
}

} // namespace ashtally
