#include "cli/milestonescommand.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>

#include "app/platform/systemclock.h"
#include "app/platform/systemregional.h"
#include "app/platform/translatedstrings.h"
#include "cli/datafolder.h"
#include "formula/formulaparser.h"
#include "settings/options.h"
#include "stats/milestonerules.h"

namespace ashtally::cli {

namespace {


// What the Milestone Options page shows after the options have been loaded into it.
MilestoneSettings SettingsOf(const TOptions& options) {
    MilestoneSettings settings;
    settings.Do72 = options.GetBool(ocbDo72);
    settings.Do72Template = options.GetStr(oedDo72);
    settings.DoCigs = options.GetBool(ocbDoCigs);
    settings.CigsNum = options.GetInt(oedCigsNum);
    settings.CigsTemplate = options.GetStr(oedDoCigs);
    settings.DoMoney = options.GetBool(ocbMoney);
    // An amount the money type cannot hold is no step at all: the rule then adds nothing.
    const double moneyCount = options.GetReal(oedMoneyCount);
    settings.MoneyCount =
        std::isfinite(moneyCount) ? ValueToMoney(OptionValue(moneyCount)).value_or(0) : 0;
    settings.MoneyTemplate = options.GetStr(oedMoney);
    settings.DoLife = options.GetBool(ocbLife);
    settings.LifeNum = options.GetInt(oedLifeNum);
    settings.LifeTemplate = options.GetStr(oedLife);
    settings.DoDays = options.GetBool(ocbDays);
    settings.DaysNum = options.GetInt(oedDaysNum);
    settings.DaysTemplate = options.GetStr(oedDays);
    settings.DoMonths = options.GetBool(ocbMonths);
    settings.MonthNum = options.GetInt(oedMonthNum);
    settings.MonthsTemplate = options.GetStr(oedMonths);
    settings.DoYear = options.GetBool(ocbYear);
    settings.YearTemplate = options.GetStr(oedYear);
    return settings;
}

// The text with tabs, line breaks and backslashes written as escapes, so that a row stays on
// one line and its fields stay apart.
std::string Escaped(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\t':
            result += "\\t";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\\':
            result += "\\\\";
            break;
        default:
            result += c;
        }
    }
    return result;
}

// The moment as local YYYY-MM-DDTHH:MM:SS, rounded to the nearest second. The whole part of a
// moment is its day and the fraction its time of day, whatever the sign.
std::string MomentText(TDateTime moment) {
    double day = std::trunc(moment);
    auto seconds = static_cast<long>(std::round(std::fabs(moment - day) * 86400));
    if (seconds == 86400) {
        day += 1;
        seconds = 0;
    }
    const DateTimeParts date = DecodeDateTime(day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02ld:%02ld:%02ld", date.Year, date.Month,
                  date.Day, seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

} // namespace

int RunMilestones(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DataFolderArguments parsed;
    try {
        parsed = ParseDataFolderArguments(args);
    } catch (const UsageError& usage) {
        err << "error: " << usage.Message << "\n"
            << "usage: ashtally-cli milestones [--data-dir DIR] [--at MOMENT]\n";
        return 2;
    }
    try {
        const RegionalSettings regional = SystemRegionalSettings();
        const TranslatedStrings strings;
        std::unique_ptr<Clock> clock;
        if (parsed.At) {
            clock = std::make_unique<FixedClock>(ParseMoment(*parsed.At));
        } else {
            clock = std::make_unique<SystemClock>();
        }
        DataFolderContents data =
            LoadDataFolder(DataFolderPath(parsed.DataDir), strings, regional, clock->Now());
        for (const std::string& message : data.Messages) {
            err << "warning: " << message << '\n';
        }
        const TOptions& options = *data.Options;
        StatsSettings statsSettings;
        statsSettings.MinPerCig = options.GetReal(oedMinCig);
        statsSettings.InterestRate = options.GetReal(oedInterest);
        statsSettings.StoredMinPerCig = options.GetReal(oedMinCig);
        const MilestoneSettings settings = SettingsOf(options);

        TFormulaParser parser;
        const StatsContext context(parser, strings, regional, statsSettings);
        std::vector<Quitter*> quitters;
        for (Quitter& quitter : data.Quitters) {
            quitters.push_back(&quitter);
        }
        MilestoneState milestones;
        BuildMilestones(milestones, quitters, context, settings, *clock);

        std::string text;
        for (const Milestone& row : milestones.List) {
            text += Escaped(row.Who);
            text += '\t';
            text += MomentText(row.When);
            text += '\t';
            text += std::to_string(row.Level);
            text += '\t';
            text += Escaped(row.ShortText);
            text += '\t';
            text += Escaped(row.LongText);
            text += '\n';
        }
        out << text;
        return 0;
    } catch (const std::exception& error) {
        err << "error: " << error.what() << '\n';
        return 1;
    }
}

} // namespace ashtally::cli
