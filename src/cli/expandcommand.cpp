#include "cli/expandcommand.h"

#include <cstdint>
#include <exception>
#include <map>
#include <optional>

#include "app/platform/systemclock.h"
#include "app/platform/systemregional.h"
#include "app/platform/translatedstrings.h"
#include "cli/datafolder.h"
#include "formula/formulaparser.h"
#include "stats/statistics.h"
#include "stats/templates.h"
#include "util/errors.h"
#include "util/numconv.h"

namespace ashtally::cli {

namespace {


const char* const kValueOptions[] = {
    "--at",           "--quit",          "--name",        "--email",   "--cig-per-day",
    "--cig-per-pack", "--cost-per-pack", "--min-per-cig", "--interest"};

struct ExpandArguments {
    std::map<std::string, std::string> Options;
    std::optional<std::string> Template;
};

// arguments = { option | template } ; option = NAME VALUE | NAME "=" VALUE ; "--" ends the
// options, so a template may start with "--".
ExpandArguments ParseArguments(const std::vector<std::string>& args) {
    ExpandArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || word.size() < 2 || word.compare(0, 2, "--") != 0) {
            if (parsed.Template) {
                throw UsageError{"expand takes one template; quote it as one argument"};
            }
            parsed.Template = word;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        bool known = false;
        for (const char* option : kValueOptions) {
            known = known || name == option;
        }
        if (!known) {
            throw UsageError{"unknown option " + name};
        }
        if (equals != std::string::npos) {
            parsed.Options[name] = word.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            parsed.Options[name] = args[++i];
        } else {
            throw UsageError{name + " needs a value"};
        }
    }
    if (!parsed.Template) {
        throw UsageError{"expand needs a template"};
    }
    return parsed;
}

// count = [ "+" ] digit { digit }, at most 4294967295.
std::uint32_t ParseCount(const std::string& text) {
    std::size_t at = !text.empty() && text[0] == '+' ? 1 : 0;
    std::uint64_t value = 0;
    bool any = false;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') {
            any = false;
            break;
        }
        value = value * 10 + static_cast<unsigned>(text[at] - '0');
        any = true;
        if (value > UINT32_MAX) {
            break;
        }
    }
    if (!any || value > UINT32_MAX) {
        throw EConvertError("'" + text + "' is not a valid integer value");
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

int RunExpand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ExpandArguments parsed;
    try {
        parsed = ParseArguments(args);
    } catch (const UsageError& usage) {
        err << "error: " << usage.Message << "\n"
            << "usage: ashtally-cli expand [--at MOMENT] [--quit MOMENT] [--name TEXT] "
               "[--email TEXT] [--cig-per-day N] [--cig-per-pack N] [--cost-per-pack X] "
               "[--min-per-cig X] [--interest X] TEMPLATE\n";
        return 2;
    }
    try {
        const auto option = [&parsed](const char* name) -> const std::string* {
            const auto found = parsed.Options.find(name);
            return found == parsed.Options.end() ? nullptr : &found->second;
        };
        const RegionalSettings regional = SystemRegionalSettings();
        const TranslatedStrings strings;
        const TDateTime now = option("--at") ? ParseMoment(*option("--at")) : SystemClock().Now();

        Quitter quitter = NewQuitterRecord(strings.Get(sUser), now);
        if (const std::string* value = option("--quit")) {
            quitter.QuitDate = ParseMoment(*value);
        }
        if (const std::string* value = option("--name")) {
            quitter.Name = *value;
        }
        if (const std::string* value = option("--email")) {
            quitter.EMail = *value;
        }
        if (const std::string* value = option("--cig-per-day")) {
            quitter.CigPerDay = ParseCount(*value);
        }
        if (const std::string* value = option("--cig-per-pack")) {
            quitter.CigPerPack = ParseCount(*value);
        }
        if (const std::string* value = option("--cost-per-pack")) {
            quitter.CostPerPack =
                RoundHalfEven(StrToFloat(*value, regional.DecimalSeparator) * kMoneyScale);
        }
        StatsSettings settings;
        if (const std::string* value = option("--min-per-cig")) {
            settings.MinPerCig = StrToFloat(*value, regional.DecimalSeparator);
            settings.StoredMinPerCig = settings.MinPerCig;
        }
        if (const std::string* value = option("--interest")) {
            settings.InterestRate = StrToFloat(*value, regional.DecimalSeparator);
        }

        TFormulaParser parser;
        const StatsContext context(parser, strings, regional, settings);
        SetStatistics(context, quitter, now);
        out << ExpandTemplate(context, quitter, *parsed.Template, now) << '\n';
        return 0;
    } catch (const std::exception& error) {
        err << "error: " << error.what() << '\n';
        return 1;
    }
}

} // namespace ashtally::cli
