#include "cli/todaycommand.h"

#include <exception>
#include <optional>

#include "app/platform/systemclock.h"
#include "app/platform/systemregional.h"
#include "app/platform/translatedstrings.h"
#include "cli/datafolder.h"
#include "formula/formulaparser.h"
#include "settings/options.h"
#include "stats/statistics.h"
#include "stats/templates.h"

namespace ashtally::cli {

namespace {

enum class Page { Today, Clipboard };

struct UsageError {
    std::string Message;
};

struct ReadArguments {
    std::string DataDir;
    std::optional<std::string> At;
};

// arguments = { ("--data-dir" | "--at") ( VALUE | "=" VALUE ) }
ReadArguments ParseArguments(const std::vector<std::string>& args) {
    ReadArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (name != "--data-dir" && name != "--at") {
            throw UsageError{word.compare(0, 2, "--") == 0 ? "unknown option " + name
                                                           : "unexpected argument " + word};
        }
        std::string value;
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            throw UsageError{name + " needs a value"};
        }
        if (name == "--at") {
            parsed.At = value;
        } else {
            parsed.DataDir = value;
        }
    }
    return parsed;
}

// The memo controls turn every lone CR or LF of an option text into CR LF; the pages expand
// what the memo holds.
std::string MemoText(const TOptions& options, int index) {
    return ValueToMemoText(OptionValue(options.GetStr(index))).value_or(std::string());
}

int Run(Page page, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ReadArguments parsed;
    try {
        parsed = ParseArguments(args);
    } catch (const UsageError& usage) {
        err << "error: " << usage.Message << "\n"
            << "usage: ashtally-cli " << (page == Page::Today ? "today" : "clipboard")
            << " [--data-dir DIR] [--at MOMENT]\n";
        return 2;
    }
    try {
        const RegionalSettings regional = SystemRegionalSettings();
        const TranslatedStrings strings;
        const TDateTime now = parsed.At ? ParseMoment(*parsed.At) : SystemClock().Now();
        DataFolderContents data =
            LoadDataFolder(DataFolderPath(parsed.DataDir), strings, regional, now);
        for (const std::string& message : data.Messages) {
            err << "warning: " << message << '\n';
        }
        const TOptions& options = *data.Options;
        StatsSettings settings;
        settings.MinPerCig = options.GetReal(oedMinCig);
        settings.InterestRate = options.GetReal(oedInterest);
        settings.StoredMinPerCig = options.GetReal(oedMinCig);

        TFormulaParser parser;
        const StatsContext context(parser, strings, regional, settings);
        Quitter& user = data.Quitters.front();
        if (page == Page::Today) {
            out << StatisticsText(context, user, MemoText(options, omemStats), now) << '\n';
            return 0;
        }
        // The clipboard preview: an error of the statistics is passed on, one of the template
        // is shown as the text.
        SetStatistics(context, user, now);
        std::string text = context.Words.NotQuitYet;
        if (now >= user.QuitDate) {
            try {
                text = ExpandTemplate(context, user, MemoText(options, omemClip), now);
            } catch (const std::exception& error) {
                text = error.what();
            }
        }
        out << text << '\n';
        return 0;
    } catch (const std::exception& error) {
        err << "error: " << error.what() << '\n';
        return 1;
    }
}

} // namespace

int RunToday(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return Run(Page::Today, args, out, err);
}

int RunClipboard(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return Run(Page::Clipboard, args, out, err);
}

} // namespace ashtally::cli
