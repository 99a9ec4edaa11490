// ashtally-cli: the command-line companion of Ashtally, for scripts, panel widgets and tests.
// It reads the program's data but never writes it.
#include <cstring>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "app/platform/languagemodule.h"
#include "cli/evalcommand.h"
#include "cli/expandcommand.h"
#include "cli/milestonescommand.h"
#include "cli/todaycommand.h"

namespace {

using Command = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

struct Subcommand {
    const char* Name;
    const char* Usage;
    Command Run;
};

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> commands{
        {"eval", "eval [--var NAME=NUMBER]... [--text] FORMULA...", ashtally::cli::RunEval},
        {"expand",
         "expand [--at MOMENT] [--quit MOMENT] [--name TEXT] [--email TEXT] [--cig-per-day N]\n"
         "                      [--cig-per-pack N] [--cost-per-pack X] [--min-per-cig X]\n"
         "                      [--interest X] TEMPLATE",
         ashtally::cli::RunExpand},
        {"today", "today [--data-dir DIR] [--at MOMENT]", ashtally::cli::RunToday},
        {"clipboard", "clipboard [--data-dir DIR] [--at MOMENT]", ashtally::cli::RunClipboard},
        {"milestones", "milestones [--data-dir DIR] [--at MOMENT]", ashtally::cli::RunMilestones},
    };
    return commands;
}

void PrintHelp(std::ostream& out) {
    out << "Usage: ashtally-cli COMMAND [OPTIONS]\n"
           "\n"
           "The command-line companion of Ashtally. It reads the program's data folder and\n"
           "never writes to it.\n"
           "\n"
           "Commands:\n";
    for (const auto& command : Subcommands()) {
        out << "  ashtally-cli " << command.Usage << '\n';
    }
    out << "\n"
           "Options:\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n";
}

} // namespace

int main(int argc, char** argv) {
    // The texts come in the user's language, as the program's do; Qt's translation system needs
    // an application object for that, a core one: the companion never opens a window.
    const QCoreApplication app(argc, argv);
    const ashtally::LanguageModule language;

    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        PrintHelp(std::cerr);
        return 2;
    }
    const std::string& first = words.front();
    if (first == "--help" || first == "-h" || first == "help") {
        PrintHelp(std::cout);
        return 0;
    }
    if (first == "--version") {
        std::cout << "ashtally-cli " ASHTALLY_VERSION "\n";
        return 0;
    }
    for (const auto& command : Subcommands()) {
        if (first == command.Name) {
            const std::vector<std::string> rest(words.begin() + 1, words.end());
            return command.Run(rest, std::cout, std::cerr);
        }
    }
    std::cerr << "ashtally-cli: unknown command \"" << first << "\"; see ashtally-cli --help\n";
    return 2;
}
