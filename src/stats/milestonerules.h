#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "stats/milestonelist.h"
#include "stats/quitter.h"
#include "stats/statscontext.h"
#include "util/clock.h"
#include "util/datetime.h"

namespace ashtally {

class StringSource;

// The seven milestone rules as the Milestone Options page shows them: each rule's check box,
// its step and its template ("short text|long text"). The program hands in what the page's
// controls show at the moment of the rebuild. The interest rate of the money rule and the
// minutes per cigarette of the life rule are those of the StatsContext's settings, which the
// statistics read as well, so the two can never disagree.
struct MilestoneSettings {
    // First 72 hours: every whole hour 1 to 71 after the quit.
    bool Do72 = true;         // cbDo72
    std::string Do72Template; // edDo72
    // Cigarettes not smoked: every CigsNum cigarettes.
    bool DoCigs = true;         // cbDoCigs
    std::int32_t CigsNum = 500; // edCigsNum
    std::string CigsTemplate;   // edDoCigs
    // Money saved: every MoneyCount, in fixed point (the amount times 10000).
    bool DoMoney = true;                  // cbMoney
    Money MoneyCount = 100 * kMoneyScale; // edMoneyCount
    std::string MoneyTemplate;            // edMoney
    // Life saved: every LifeNum days of life regained.
    bool DoLife = true;       // cbLife
    std::int32_t LifeNum = 1; // edLifeNum
    std::string LifeTemplate; // edLife
    // Days quit: every DaysNum days.
    bool DoDays = true;         // cbDays
    std::int32_t DaysNum = 100; // edDaysNum
    std::string DaysTemplate;   // edDays
    // Months quit: every MonthNum calendar months.
    bool DoMonths = true;       // cbMonths
    std::int32_t MonthNum = 1;  // edMonthNum
    std::string MonthsTemplate; // edMonths
    // Annual quit date: every anniversary.
    bool DoYear = true;       // cbYear
    std::string YearTemplate; // edYear
};

// The settings of a first start: every rule on, the default steps and the default texts.
MilestoneSettings DefaultMilestoneSettings(const StringSource& strings);

// The rules, applied one quitter at a time, appending their rows to a list.
//
// A rule whose step is not a positive number (a count of 0 or less, a quitter who smoked 0 a
// day for the cigarette and life rules, 0 or fewer minutes per cigarette for the life rule, a
// money amount of 0 or less) adds no rows; the other rules and quitters go on. Absurdly small
// steps are bounded too: a rule adds at most kMaxRowsPerRule rows for one quitter (the
// earliest of its window), a rule ends when its step no longer moves the moment on, and the
// cigarette and life rules, whose moments add up step by step from the quit date, jump to just
// before the window when more than kMaxMomentsPassedOver of their moments lie before it.
class MilestoneRules {
public:
    static constexpr std::size_t kMaxRowsPerRule = 10000;
    static constexpr double kMaxMomentsPassedOver = 100000;

    // Everything is held by reference and must outlive the rules.
    MilestoneRules(const StatsContext& context, const MilestoneSettings& settings,
                   const Clock& clock, MilestoneList& list);

    // Applies the switched-on rules to the quitter, in their order: the first 72 hours, the
    // cigarettes not smoked, the money saved, the life saved, the days quit, the months quit
    // and the anniversaries. The first-72-hours rule looks from 7.2 hours before the current
    // time to 72 hours after that; the others from start to horizon days after the current
    // time; both ends belong to the window, and the current time is read as each window is set
    // up. SetQuitterVariables must have been called for the quitter. The money rule leaves the
    // quitter's MoneySaved (and the formula variable MoneySaved) as it last set them; the
    // rules after it see that value. An error of an expansion ends the call.
    void AddQuitterMilestones(Quitter& quitter, double horizon, TDateTime start);

private:
    enum class Next { Continue, Stop };

    // The step every rule takes for each of its moments, in increasing order: Stop once the
    // moment lies beyond the window (or the rule has made its most rows), else the row is
    // added if the moment lies inside the window and the rule goes on.
    Next TryAddMilestone(const std::string& text, std::uint8_t level, TDateTime moment);

    void SetWindow(TDateTime lower, TDateTime upper);
    void AddFirst72Hours();
    void AddEveryStep(double step, const std::string& text);
    void AddMoneySaved();
    void AddDaysQuit();
    void AddEveryMonths(std::int64_t months, std::uint8_t level, const std::string& text);

    const StatsContext& m_context;
    const MilestoneSettings& m_settings;
    const Clock& m_clock;
    MilestoneList& m_list;

    std::vector<TDateTime> m_grid; // the money rule's moments from the window start on
    Quitter* m_quitter = nullptr;
    TDateTime m_lower = 0;
    TDateTime m_upper = 0;
    std::size_t m_rowsOfRule = 0;
};

// How far the milestone list reaches: from five days before the rebuild to 1000 days after.
inline constexpr double kMilestoneDaysBack = 5;
inline constexpr double kMilestoneHorizon = 1000;

// Rebuilds the milestone list if it is marked out of date, else does nothing; returns whether
// it rebuilt. A rebuild sets LastAnnounced back to 0, clears the list, applies the rules to
// every quitter in order (SetQuitterVariables, then AddQuitterMilestones with the horizon and
// the start five days before the current time) and sorts the list. Only a rebuild that
// succeeds clears MilestonesDirty; after an error the rows made so far stay (sorted), the flag
// stays set so that the next try rebuilds again, and the error goes on to the caller.
bool BuildMilestones(MilestoneState& state, std::span<Quitter* const> quitters,
                     const StatsContext& context, const MilestoneSettings& settings,
                     const Clock& clock);

} // namespace ashtally
