#pragma once

#include <functional>
#include <optional>
#include <string>

namespace ashtally {

// Reads one environment variable: no value when it is not set. Tests hand in a fake one.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process's own environment.
const EnvironmentLookup& SystemEnvironment();

// The application-data folder, ending with "/", with the subfolder (when not empty) and "/"
// appended; an empty text when the environment gives no folder.
//   per-user: $XDG_DATA_HOME when set and absolute, else $HOME/.local/share;
//   common:   the first absolute entry of $XDG_DATA_DIRS, else /usr/local/share.
// With create, the folder and its missing parents are made; a failure there is not reported
// (it shows when a file is written into the folder).
std::string AppDataFolder(bool create, bool common, const std::string& subfolder,
                          const EnvironmentLookup& env = SystemEnvironment());

} // namespace ashtally
