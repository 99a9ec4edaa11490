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


// The memo controls turn every lone CR or LF of an option text into CR LF; the pages expand
// what the memo holds.
std::string MemoText(const TOptions& options, int index) {
    return ValueToMemoText(OptionValue(options.GetStr(index))).value_or(std::string());
}

int Run(Page page, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DataFolderArguments parsed;
    try {
        parsed = ParseDataFolderArguments(args);
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
