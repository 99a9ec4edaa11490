#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/options.h"
#include "stats/quitter.h"
#include "util/datetime.h"

namespace ashtally {
class StringSource;
struct RegionalSettings;
} // namespace ashtally

namespace ashtally::cli {

// What the program holds after reading its data folder at start: the quitters (the user first)
// and the option set.
struct DataFolderContents {
    std::vector<Quitter> Quitters;
    std::unique_ptr<TOptions> Options;
    // What the program would tell the user while reading: option values that do not read, lines
    // of the quitters file that could not be read.
    std::vector<std::string> Messages;
};

// Reads the data folder as the program does at start: "buddies.csv" if it exists, then
// "options.ini" over the defaults, and the user's own entry (named with the "User" string, its
// quit date counted from now) when there are no quitters. Nothing is written. An empty folder
// means the current folder, as for the program without an application-data folder.
DataFolderContents LoadDataFolder(const std::string& folder, const StringSource& strings,
                                  const RegionalSettings& regional, TDateTime now);

// The folder given with --data-dir, ending with "/"; without one, the program's own.
std::string DataFolderPath(const std::string& given);

// The folder that holds this program, ending with "/".
std::string ProgramFolder();

// A moment as the subcommands take it: local wall-clock time "YYYY-MM-DDTHH:MM:SS". Anything
// else raises EConvertError.
TDateTime ParseMoment(const std::string& text);

// A mistake in how a subcommand was called: the message, then its usage, go to the user.
struct UsageError {
    std::string Message;
};

// The options of the subcommands that read the data folder: --data-dir DIR and --at MOMENT.
struct DataFolderArguments {
    std::string DataDir;
    std::optional<std::string> At;
};

// arguments = { ("--data-dir" | "--at") ( VALUE | "=" VALUE ) }
// Raises UsageError for anything else.
DataFolderArguments ParseDataFolderArguments(const std::vector<std::string>& args);

} // namespace ashtally::cli
