// The Today refresh and the milestone texts: setting the statistics variables, computing the
// money and expanding a default template, against a plain copy of the same text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "formula/formulaparser.h"
#include "stats/statistics.h"
#include "stats/templates.h"
#include "util/numberedstrings.h"
#include "util/regional.h"

namespace {

using namespace ashtally;

TDateTime At(int year, int month, int day, int hour, int minute, int second) {
    return EncodeDateTime({year, month, day, hour, minute, second, 0});
}

Quitter BenchQuitter() {
    Quitter q;
    q.Name = "Ann";
    q.QuitDate = At(2023, 5, 15, 8, 30, 0);
    q.CigPerDay = 20;
    q.CigPerPack = 20;
    q.CostPerPack = 50000;
    return q;
}

// One tick of the Today page: the 23 variables, the money and the default Today text. The
// moment moves by a second a tick, as it does on the page.
void BM_TodayRefresh(benchmark::State& state) {
    TFormulaParser parser;
    const RegionalSettings regional;
    const StatsContext context(parser, EnglishStrings(), regional);
    Quitter q = BenchQuitter();
    const std::string text = EnglishString(sDefaultStats);
    TDateTime now = At(2024, 7, 20, 14, 45, 10);
    for (auto _ : state) {
        SetStatistics(context, q, now);
        std::string shown = ExpandTemplate(context, q, text, now);
        benchmark::DoNotOptimize(shown);
        now += 1.0 / 86400;
    }
}
BENCHMARK(BM_TodayRefresh);

// The yardstick: a plain copy of the default Today text.
void BM_TodayTextCopy(benchmark::State& state) {
    const std::string text = EnglishString(sDefaultStats);
    for (auto _ : state) {
        std::string copy = text;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_TodayTextCopy);

const std::vector<int>& MilestoneTexts() {
    static const std::vector<int> ids{sDefaultDo72, sDefaultDoCigs, sDefaultMoney, sDefaultLife,
                                      sDefaultDays, sDefaultMonths, sDefaultYear};
    return ids;
}

// One milestone text as the milestone rules make it: the date variables of the milestone's
// moment, then the expansion of the rule's template.
void BM_MilestoneText(benchmark::State& state) {
    TFormulaParser parser;
    const RegionalSettings regional;
    const StatsContext context(parser, EnglishStrings(), regional);
    Quitter q = BenchQuitter();
    const std::string text =
        EnglishString(MilestoneTexts()[static_cast<std::size_t>(state.range(0))]);
    TDateTime moment = At(2024, 7, 20, 14, 45, 10);
    SetQuitterVariables(context, q);
    CalcMoneySaved(context, q, moment);
    for (auto _ : state) {
        SetDateVariables(context, q, moment);
        std::string expanded = ExpandTemplate(context, q, text, moment);
        benchmark::DoNotOptimize(expanded);
        moment += 1.0 / 24;
    }
    state.SetLabel(text.substr(0, text.find('|')));
}
BENCHMARK(BM_MilestoneText)->DenseRange(0, 6);

void BM_MilestoneTextCopy(benchmark::State& state) {
    const std::string text =
        EnglishString(MilestoneTexts()[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state) {
        std::string copy = text;
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_MilestoneTextCopy)->DenseRange(0, 6);

} // namespace
