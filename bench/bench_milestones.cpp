// One milestone rebuild with the default rules for 1, 10 and 100 quitters whose quit dates are
// spread over the last three years, beside the same rebuild's template expansions alone and
// the appending and sorting of its rows, all in one run: the rebuild minus the expansions is
// what the rules and the sort add.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "formula/formulaparser.h"
#include "stats/milestonerules.h"
#include "stats/statistics.h"
#include "stats/templates.h"
#include "util/clock.h"
#include "util/numberedstrings.h"
#include "util/regional.h"

namespace {

using namespace ashtally;

const TDateTime kNow = EncodeDateTime({2024, 7, 20, 14, 45, 10, 0});

// Quitters of 10 to 40 a day at 5.00 to 8.00 a pack, quit dates evenly spread over the three
// years before now at assorted times of day.
std::vector<Quitter> BenchQuitters(int count) {
    std::vector<Quitter> quitters;
    for (int i = 0; i < count; ++i) {
        Quitter q;
        q.Name = "Quitter " + std::to_string(i);
        q.EMail = "q" + std::to_string(i) + "@example.org";
        q.QuitDate = kNow - 1095.0 * (i + 0.5) / count - 0.37 * (i % 3);
        q.CigPerDay = static_cast<std::uint32_t>(10 + (i * 7) % 31);
        q.CigPerPack = 20;
        q.CostPerPack = (50000 + 10000 * (i % 4));
        quitters.push_back(q);
    }
    return quitters;
}

std::vector<Quitter*> Pointers(std::vector<Quitter>& quitters) {
    std::vector<Quitter*> pointers;
    for (Quitter& q : quitters) {
        pointers.push_back(&q);
    }
    return pointers;
}

struct Fixture {
    explicit Fixture(int count)
        : context(parser, EnglishStrings(), regional),
          settings(DefaultMilestoneSettings(EnglishStrings())), clock(kNow),
          quitters(BenchQuitters(count)), pointers(Pointers(quitters)) {}

    std::size_t Rebuild(MilestoneState& state) {
        state.MilestonesDirty = true;
        BuildMilestones(state, pointers, context, settings, clock);
        return state.List.Size();
    }

    TFormulaParser parser;
    RegionalSettings regional;
    StatsContext context;
    MilestoneSettings settings;
    FixedClock clock;
    std::vector<Quitter> quitters;
    std::vector<Quitter*> pointers;
};

void BM_BuildMilestones(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    MilestoneState milestones;
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = fixture.Rebuild(milestones);
        benchmark::DoNotOptimize(&milestones.List[0]);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["per_row"] = benchmark::Counter(static_cast<double>(rows),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_BuildMilestones)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// One expansion as a rule makes it, for every row of the rebuild: the row's quitter, template
// and moment are found by rebuilding once per rule with only that rule switched on.
struct Expansion {
    std::size_t Quitter;
    const std::string* Template;
    TDateTime When;
    Money Saved;
};

std::vector<Expansion> ExpansionsOf(Fixture& fixture) {
    const MilestoneSettings all = fixture.settings;
    MilestoneSettings& settings = fixture.settings;
    struct Rule {
        bool MilestoneSettings::*Switch;
        const std::string* Template;
    };
    const std::vector<Rule> rules{
        {&MilestoneSettings::Do72, &settings.Do72Template},
        {&MilestoneSettings::DoCigs, &settings.CigsTemplate},
        {&MilestoneSettings::DoMoney, &settings.MoneyTemplate},
        {&MilestoneSettings::DoLife, &settings.LifeTemplate},
        {&MilestoneSettings::DoDays, &settings.DaysTemplate},
        {&MilestoneSettings::DoMonths, &settings.MonthsTemplate},
        {&MilestoneSettings::DoYear, &settings.YearTemplate},
    };
    std::vector<Expansion> expansions;
    for (const Rule& rule : rules) {
        for (const Rule& other : rules) {
            settings.*other.Switch = &other == &rule;
        }
        MilestoneState state;
        fixture.Rebuild(state);
        for (const Milestone& row : state.List) {
            const std::size_t who = std::stoul(row.Who.substr(row.Who.find(' ') + 1));
            expansions.push_back({who, rule.Template, row.When, 1000000});
        }
    }
    settings = all;
    // In the order of the rebuild: quitter by quitter, rule by rule.
    std::stable_sort(expansions.begin(), expansions.end(),
                     [](const Expansion& a, const Expansion& b) { return a.Quitter < b.Quitter; });
    return expansions;
}

void BM_MilestoneExpansions(benchmark::State& state) {
    Fixture fixture(static_cast<int>(state.range(0)));
    const std::vector<Expansion> expansions = ExpansionsOf(fixture);
    const StatsContext& context = fixture.context;
    for (auto _ : state) {
        std::size_t last = expansions.size();
        for (const Expansion& e : expansions) {
            Quitter& q = fixture.quitters[e.Quitter];
            if (e.Quitter != last) {
                SetQuitterVariables(context, q);
                last = e.Quitter;
            }
            q.MoneySaved = e.Saved;
            SetDateVariables(context, q, e.When);
            std::string text = ExpandTemplate(context, q, *e.Template, e.When);
            benchmark::DoNotOptimize(text);
        }
    }
    state.counters["rows"] = static_cast<double>(expansions.size());
}
BENCHMARK(BM_MilestoneExpansions)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

// The rows of a rebuild in the order the rules made them, appended to an empty list, with and
// without the final sort.
void AppendAndSort(benchmark::State& state, bool sort) {
    Fixture fixture(static_cast<int>(state.range(0)));
    MilestoneState built;
    fixture.Rebuild(built);
    std::vector<Milestone> rows(built.List.begin(), built.List.end());
    // Back into the order of making, near enough: quitter by quitter.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Milestone& a, const Milestone& b) { return a.Who < b.Who; });
    std::vector<std::string> texts;
    for (const Milestone& row : rows) {
        texts.push_back(row.ShortText + "|" + row.LongText);
    }
    for (auto _ : state) {
        MilestoneList list;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            list.AddMilestone(rows[i].Who, rows[i].EMail, rows[i].Level, texts[i], rows[i].When);
        }
        if (sort) {
            list.Sort();
        }
        benchmark::DoNotOptimize(&list[0]);
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}

void BM_MilestoneAppend(benchmark::State& state) {
    AppendAndSort(state, false);
}
BENCHMARK(BM_MilestoneAppend)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_MilestoneAppendAndSort(benchmark::State& state) {
    AppendAndSort(state, true);
}
BENCHMARK(BM_MilestoneAppendAndSort)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
