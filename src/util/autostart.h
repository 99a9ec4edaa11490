#pragma once

#include "util/appdatafolder.h"

#include <optional>
#include <string>

namespace ashtally {

// The per-user "start when the user logs on" entry: the desktop's autostart entry
// $XDG_CONFIG_HOME/autostart/Ashtally.desktop (XDG_CONFIG_HOME when set, non-empty and
// absolute; else $HOME/.config/autostart/Ashtally.desktop). Its Exec line holds the program's
// full path and nothing else.

// The entry's path; an empty text when the environment names no usable folder.
std::string AutostartEntryPath(const EnvironmentLookup& env = SystemEnvironment());

// The program the entry starts: the first word of Exec in the [Desktop Entry] group, with the
// file's escapes and the Exec quoting undone. No value when there is no folder, the entry is
// missing or unreadable, has no (well-formed) Exec, or is switched off (Hidden=true or
// X-GNOME-Autostart-enabled=false): such an entry does not start anything.
std::optional<std::string> ReadAutostartProgram(const EnvironmentLookup& env = SystemEnvironment());

// True when the entry starts exactly this program, ignoring the case of ASCII letters; false
// otherwise, and when the entry cannot be read.
bool AutostartStartsProgram(const std::string& programPath,
                            const EnvironmentLookup& env = SystemEnvironment());

// Writes a complete entry that starts programPath, replacing any earlier one atomically. The
// autostart folder is created when missing: a fresh account does not have one yet. Any failure
// (including no usable folder) raises EFileError naming the entry.
void WriteAutostartEntry(const std::string& programPath,
                         const EnvironmentLookup& env = SystemEnvironment());

// Deletes the entry. An entry that is not there cannot be deleted either: that raises
// EFileError, as does any other failure.
void DeleteAutostartEntry(const EnvironmentLookup& env = SystemEnvironment());

// The Exec value that starts exactly this program: the path as one word, quoted when it holds
// a reserved character, with "%" doubled, and the file's own escapes applied.
std::string QuoteExecProgram(const std::string& programPath);

// The first word of an Exec value as the program receives it; no value when the value is
// empty or a quote is left open.
std::optional<std::string> UnquoteExecProgram(const std::string& execValue);

} // namespace ashtally
