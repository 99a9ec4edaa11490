#include "stats/milestonerules.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "formula/formulaparser.h"
#include "stats/statistics.h"
#include "stats/templates.h"
#include "util/errors.h"
#include "util/numberedstrings.h"

namespace ashtally {

namespace {

constexpr std::uint8_t kTopLevel = 4;

// The level of a rule whose moments lie step days apart: a milestone every 100 days weighs 1,
// every 250 days 2 (halves go to the even neighbour), and nothing weighs more than 4.
std::uint8_t LevelOfStep(double step) {
    const double hundreds = step / 100;
    if (hundreds >= kTopLevel) {
        return kTopLevel;
    }
    return static_cast<std::uint8_t>(std::nearbyint(hundreds));
}

// A grid moment whose saving has reached a threshold, and that saving.
struct Reached {
    std::size_t Index;
    Money Saved;
};

// The first index from `from` on whose saving reaches the threshold (or size when none does),
// for savings that never fall from one index to the next. The search starts at the guess and
// probes 1, 2, 4, ... indexes away from it in the direction of the answer, then halves the
// last gap: a good guess costs two probes, a poor one a few more.
template <typename SavedAt>
Reached FirstReaching(std::size_t from, std::size_t size, std::size_t guess, Money threshold,
                      const SavedAt& savedAt) {
    // The answer lies in [low, high]; high == size stands for "nowhere".
    std::size_t low = from;
    std::size_t high = size;
    Money highSaved = 0;
    const auto reaches = [&](std::size_t index) {
        const Money saved = savedAt(index);
        if (saved < threshold) {
            return false;
        }
        high = index;
        highSaved = saved;
        return true;
    };
    const std::size_t start = std::clamp(guess, from, size - 1);
    if (reaches(start)) {
        for (std::size_t stride = 1; high > low; stride *= 2) {
            const std::size_t probe = high - low > stride ? high - stride : low;
            if (!reaches(probe)) {
                low = probe + 1;
                break;
            }
        }
    } else {
        low = start + 1;
        for (std::size_t stride = 1; low < high; stride *= 2) {
            const std::size_t probe = high - low > stride ? low + stride - 1 : high - 1;
            if (reaches(probe)) {
                break;
            }
            low = probe + 1;
        }
    }
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (!reaches(middle)) {
            low = middle + 1;
        }
    }
    return {high, highSaved};
}

// Where a saving that grows in a straight line through two known points reaches the threshold,
// as the first index at or after it; from when the line does not rise.
std::size_t GuessReaching(double position, Money saved, double slope, Money threshold,
                          std::size_t from) {
    if (!(slope > 0) || !std::isfinite(slope)) {
        return from;
    }
    const double at = std::ceil(position + static_cast<double>(threshold - saved) / slope);
    if (!(at > static_cast<double>(from))) {
        return from;
    }
    return at < 1e15 ? static_cast<std::size_t>(at) : std::numeric_limits<std::size_t>::max();
}

bool IsPositiveStep(double step) {
    return step > 0 && std::isfinite(step);
}

// Months counted from January of year 0, the last one the calendar has included.
constexpr std::int64_t kLastMonthIndex = 9999 * 12 + 11;

} // namespace

MilestoneSettings DefaultMilestoneSettings(const StringSource& strings) {
    MilestoneSettings settings;
    settings.Do72Template = strings.Get(sDefaultDo72);
    settings.CigsTemplate = strings.Get(sDefaultDoCigs);
    settings.MoneyTemplate = strings.Get(sDefaultMoney);
    settings.LifeTemplate = strings.Get(sDefaultLife);
    settings.DaysTemplate = strings.Get(sDefaultDays);
    settings.MonthsTemplate = strings.Get(sDefaultMonths);
    settings.YearTemplate = strings.Get(sDefaultYear);
    return settings;
}

MilestoneRules::MilestoneRules(const StatsContext& context, const MilestoneSettings& settings,
                               const Clock& clock, MilestoneList& list)
    : m_context(context), m_settings(settings), m_clock(clock), m_list(list) {}

void MilestoneRules::AddQuitterMilestones(Quitter& quitter, double horizon, TDateTime start) {
    m_quitter = &quitter;
    if (m_settings.Do72) {
        const TDateTime lower = m_clock.Now() - 0.3;
        SetWindow(lower, lower + 72.0 / 24);
        AddFirst72Hours();
    }
    SetWindow(start, m_clock.Now() + horizon);
    const double cigPerDay = quitter.CigPerDay;
    if (m_settings.DoCigs && m_settings.CigsNum > 0 && quitter.CigPerDay > 0) {
        AddEveryStep(m_settings.CigsNum / cigPerDay, m_settings.CigsTemplate);
    }
    if (m_settings.DoMoney && m_settings.MoneyCount > 0) {
        AddMoneySaved();
    }
    // N days of life take N * 1440 / M cigarettes not smoked, which take that many days at
    // CigPerDay a day.
    const double minPerCig = m_context.Settings.MinPerCig;
    if (m_settings.DoLife && m_settings.LifeNum > 0 && minPerCig > 0 && quitter.CigPerDay > 0) {
        AddEveryStep(m_settings.LifeNum * 1440.0 / minPerCig / cigPerDay, m_settings.LifeTemplate);
    }
    if (m_settings.DoDays && m_settings.DaysNum > 0) {
        AddDaysQuit();
    }
    if (m_settings.DoMonths && m_settings.MonthNum > 0) {
        AddEveryMonths(
            m_settings.MonthNum,
            static_cast<std::uint8_t>(std::min<std::int32_t>(m_settings.MonthNum, kTopLevel)),
            m_settings.MonthsTemplate);
    }
    if (m_settings.DoYear) {
        AddEveryMonths(12, kTopLevel, m_settings.YearTemplate);
    }
}

void MilestoneRules::SetWindow(TDateTime lower, TDateTime upper) {
    m_lower = lower;
    m_upper = upper;
    m_rowsOfRule = 0;
}

MilestoneRules::Next MilestoneRules::TryAddMilestone(const std::string& text, std::uint8_t level,
                                                     TDateTime moment) {
    // Written so that a moment that is not a number ends the rule as well.
    if (!(moment <= m_upper)) {
        return Next::Stop;
    }
    if (moment >= m_lower) {
        if (m_rowsOfRule >= kMaxRowsPerRule) {
            return Next::Stop;
        }
        Quitter& quitter = *m_quitter;
        SetDateVariables(m_context, quitter, moment);
        m_list.AddMilestone(quitter.Name, quitter.EMail, level,
                            ExpandTemplate(m_context, quitter, text, moment), moment);
        ++m_rowsOfRule;
    }
    return Next::Continue;
}

void MilestoneRules::AddFirst72Hours() {
    const TDateTime quit = m_quitter->QuitDate;
    for (int hour = 1; hour <= 71; ++hour) {
        const auto level = static_cast<std::uint8_t>(
            std::min(std::nearbyint(hour / 20.2), static_cast<double>(kTopLevel)));
        if (TryAddMilestone(m_settings.Do72Template, level, (quit * 24 + hour) / 24) ==
            Next::Stop) {
            return;
        }
    }
}

// The cigarette and life rules: a moment every step days after the quit date, the moments
// added up one step at a time.
void MilestoneRules::AddEveryStep(double step, const std::string& text) {
    // 0 a day or 0 minutes a cigarette would give an endless step, a step below 0 would never
    // reach the end of the window: such a rule adds nothing.
    if (!IsPositiveStep(step)) {
        return;
    }
    const std::uint8_t level = LevelOfStep(step);
    const TDateTime quit = m_quitter->QuitDate;
    TDateTime moment = quit + step;
    // Adding a tiny step a few million times just to pass over the years before the window
    // would hold up the rebuild; the count resumes one step before the window instead.
    const double passedOver = (m_lower - quit) / step;
    if (passedOver > kMaxMomentsPassedOver) {
        moment = quit + (std::floor(passedOver) - 1) * step;
    }
    while (TryAddMilestone(text, level, moment) == Next::Continue) {
        const TDateTime next = moment + step;
        if (!(next > moment)) {
            return; // the step is lost in the rounding of the moment
        }
        moment = next;
    }
}

// Money milestones sit on an 8-hour grid that starts at the window start: each at the first
// grid moment at which the saving has reached the next multiple of the amount above what it
// is now, and its texts show that round amount.
void MilestoneRules::AddMoneySaved() {
    const Money step = m_settings.MoneyCount;
    Quitter& quitter = *m_quitter;
    const TDateTime now = m_clock.Now();
    CalcMoneySaved(m_context, quitter, now);
    const Money savedNow = quitter.MoneySaved;
    Money multiple = 0;
    Money threshold = 0;
    if (__builtin_add_overflow(savedNow / step, Money{1}, &multiple) ||
        __builtin_mul_overflow(step, multiple, &threshold)) {
        return; // no multiple of the amount above the saving fits the money type
    }
    // The grid as the rule walks it, each moment 8 hours after the one before. Every quitter
    // of a rebuild has the same window start, so the moments made for one serve the next.
    if (m_grid.empty() || !(m_grid.front() == m_lower)) {
        m_grid.assign(1, m_lower);
    }
    while (m_grid.back() <= m_upper) {
        const TDateTime next = (m_grid.back() * 24 + 8) / 24;
        if (!(next > m_grid.back())) {
            break;
        }
        m_grid.push_back(next);
    }
    const std::size_t size =
        m_lower <= m_upper
            ? static_cast<std::size_t>(std::upper_bound(m_grid.begin(), m_grid.end(), m_upper) -
                                       m_grid.begin())
            : 0;
    if (size == 0) {
        return;
    }
    const double rate = m_context.Settings.InterestRate;
    const auto savedAt = [&](std::size_t index) {
        return MoneySavedAt(quitter, m_grid[index], rate);
    };
    // The rule computes the saving at every grid moment in turn. At a price of 0 or more the
    // saving never falls as time goes on, so a search finds the same moments with a fraction
    // of the computations: the grid of 1000 days has 3000 moments, a quitter may get a few
    // dozen rows, and the saving grows so nearly in a straight line that the line through the
    // last two known savings points at the next row's moment. A negative price, or an error
    // of the computation, falls back to the walk, which meets an error where it arises.
    bool search = quitter.CostPerPack >= 0;
    Money savedAtEnd = 0;
    if (search) {
        try {
            savedAtEnd = savedAt(size - 1);
        } catch (const Exception&) {
            search = false;
        }
    }
    if (search && savedAtEnd < threshold) {
        quitter.MoneySaved = savedAtEnd; // the saving never reaches the next amount
        return;
    }
    // The last known point of the saving, and the slope of the line through it.
    double position = (now - m_lower) * 3;
    Money saved = savedNow;
    double slope =
        static_cast<double>(savedAtEnd - savedNow) / (static_cast<double>(size - 1) - position);
    std::size_t from = 0;
    bool lastMadeARow = false;
    while (from < size) {
        Reached found{size, 0};
        if (search) {
            try {
                found = FirstReaching(from, size,
                                      GuessReaching(position, saved, slope, threshold, from),
                                      threshold, savedAt);
            } catch (const Exception&) {
                search = false;
            }
        }
        if (!search) {
            for (found.Index = from; found.Index < size; ++found.Index) {
                found.Saved = savedAt(found.Index);
                if (found.Saved >= threshold) {
                    break;
                }
            }
        }
        if (found.Index == size) {
            break;
        }
        quitter.MoneySaved = threshold;
        m_context.Parser.SetVar("MoneySaved",
                                static_cast<double>(threshold) / static_cast<double>(kMoneyScale));
        if (TryAddMilestone(m_settings.MoneyTemplate, 1, m_grid[found.Index]) == Next::Stop) {
            return;
        }
        // The saving now stands at the threshold, so with a positive amount the next one is a
        // single amount higher.
        if (__builtin_add_overflow(threshold, step, &threshold)) {
            return;
        }
        const auto index = static_cast<double>(found.Index);
        if (index > position) {
            slope = static_cast<double>(found.Saved - saved) / (index - position);
        }
        position = index;
        saved = found.Saved;
        lastMadeARow = found.Index + 1 == size;
        from = found.Index + 1;
    }
    // The saving is left as the last grid moment found it, or at its round amount when that
    // moment made a row.
    if (!lastMadeARow) {
        if (search) {
            quitter.MoneySaved = savedAtEnd;
        } else {
            CalcMoneySaved(m_context, quitter, m_grid[size - 1]);
        }
    }
}

void MilestoneRules::AddDaysQuit() {
    const double days = m_settings.DaysNum;
    const auto level =
        static_cast<std::uint8_t>(std::min<std::int32_t>(m_settings.DaysNum / 100, kTopLevel));
    const TDateTime quit = m_quitter->QuitDate;
    // Each moment is counted from the quit date, so the walk may begin at the last multiple
    // not after the window start without changing any moment: those before it all lie before
    // the window.
    double k = days;
    const double before = std::floor((m_lower - quit) / days);
    if (before > 1) {
        k = before * days;
    }
    TDateTime previous = -std::numeric_limits<double>::infinity();
    for (;; k += days) {
        const TDateTime moment = quit + k;
        if (!(moment > previous) ||
            TryAddMilestone(m_settings.DaysTemplate, level, moment) == Next::Stop) {
            return;
        }
        previous = moment;
    }
}

// The months and anniversary rules: the quit date moved on by whole calendar months, the time
// of day kept and the day clamped to the length of the month. Every moment is counted from the
// quit date, so a quit on the 31st comes back to the 31st in the long months.
void MilestoneRules::AddEveryMonths(std::int64_t months, std::uint8_t level,
                                    const std::string& text) {
    const TDateTime quit = m_quitter->QuitDate;
    // Every moment lies after the quit date (this also passes over a quit date that is not a
    // number).
    if (!(quit <= m_upper)) {
        return;
    }
    const DateTimeParts parts = DecodeDateTime(quit);
    const std::int64_t lastK =
        kLastMonthIndex - (static_cast<std::int64_t>(parts.Year) * 12 + parts.Month - 1);
    // A month has at most 31 days, so the moment of the multiple k = N * floor((window start -
    // quit date) / 31N) is not after the window start, and those before it lie before the
    // window: the walk may begin at k.
    std::int64_t k = months;
    const double before = std::floor((m_lower - quit) / (31.0 * static_cast<double>(months)));
    if (before > 1) {
        if (before * static_cast<double>(months) > static_cast<double>(lastK)) {
            return; // the calendar ends before the window starts
        }
        k = static_cast<std::int64_t>(before) * months;
    }
    // Beyond the last month of the calendar lies beyond every window.
    for (; k <= lastK; k += months) {
        if (TryAddMilestone(text, level, IncMonth(quit, static_cast<int>(k))) == Next::Stop) {
            return;
        }
    }
}

bool BuildMilestones(MilestoneState& state, std::span<Quitter* const> quitters,
                     const StatsContext& context, const MilestoneSettings& settings,
                     const Clock& clock) {
    if (!state.MilestonesDirty) {
        return false;
    }
    const TDateTime now = clock.Now();
    state.LastAnnounced = 0;
    state.List.Clear();
    MilestoneRules rules(context, settings, clock, state.List);
    try {
        for (Quitter* quitter : quitters) {
            SetQuitterVariables(context, *quitter);
            rules.AddQuitterMilestones(*quitter, kMilestoneHorizon, now - kMilestoneDaysBack);
        }
    } catch (...) {
        state.List.Sort();
        throw;
    }
    state.List.Sort();
    state.MilestonesDirty = false;
    return true;
}

} // namespace ashtally
