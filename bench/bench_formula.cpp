// The formula evaluator against the yardsticks Debian ships (fparser, muparser), on the same
// formula texts and the same variables as the program stores for a quitter. Each benchmark
// parses and evaluates its formula on every iteration; "ours_cached" is our evaluator answering
// from its result cache. After the runs a table gives ns per evaluation and the ratio of ours to
// fparser, per formula and as a geometric mean.
//
// This file also holds the benchmark program's main(): it runs every registered benchmark (of
// every bench_*.cpp) with the console reporter and then prints the table.
#include <benchmark/benchmark.h>

#include <fparser.hh>
#include <muParser.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "formula/formulaparser.h"

namespace {

struct Variable {
    const char* Name;
    double Value;
};

// The variables the program stores for a quitter, in the order it creates them: a quitter of
// 20 a day who stopped 123 days, 7 hours and 12 minutes ago.
constexpr double kDays = 123.3;
const std::array<Variable, 24> kVariables{{
    {"MinPerCig", 5},
    {"CigPerDay", 20},
    {"CigPerPack", 20},
    {"CostPerPack", 5.25},
    {"QuitYear", 2024},
    {"QuitMonth", 1},
    {"QuitDay", 15},
    {"QuitHour", 12},
    {"QuitMin", 0},
    {"QuitSec", 0},
    {"NowYear", 2024},
    {"NowMonth", 5},
    {"NowDay", 16},
    {"NowHour", 19},
    {"NowMin", 12},
    {"NowSec", 0},
    {"DiffInYears", kDays / 365.25},
    {"DiffInMonths", kDays / 30.4375},
    {"DiffInDays", kDays},
    {"DiffInWeeks", kDays / 7},
    {"DiffInHours", kDays * 24},
    {"DiffInMins", kDays * 1440},
    {"DiffInSecs", kDays * 86400},
    {"MoneySaved", 645.75},
}};

const std::array<std::string, 6> kFormulas{
    "DiffInDays",
    "CigPerDay*DiffInDays",
    "72-DiffInHours",
    "TRUNC(DiffInDays)",
    "(DiffInDays*24+5)/7-3*2",
    "CigPerDay*DiffInDays/20*5.25+(DiffInHours-72)*0.5-(DiffInDays/365.25)",
};

// The yardsticks spell TRUNC as their own trunc function.
std::string ForYardstick(std::string formula) {
    const auto at = formula.find("TRUNC(");
    if (at != std::string::npos) {
        formula.replace(at, 5, "trunc");
    }
    return formula;
}

std::string VariableList() {
    std::string names;
    for (const auto& variable : kVariables) {
        names += names.empty() ? "" : ",";
        names += variable.Name;
    }
    return names;
}

std::array<double, kVariables.size()> VariableValues() {
    std::array<double, kVariables.size()> values{};
    for (std::size_t i = 0; i < kVariables.size(); ++i) {
        values[i] = kVariables[i].Value;
    }
    return values;
}

void SetVariables(ashtally::TFormulaParser& parser) {
    for (const auto& variable : kVariables) {
        parser.SetVar(variable.Name, variable.Value);
    }
}

double Truncate(double value) {
    return std::trunc(value);
}

void Ours(benchmark::State& state, const std::string& formula, bool cached) {
    ashtally::TFormulaParser parser;
    SetVariables(parser);
    parser.SetMaxExpCache(cached ? 100 : 0);
    for (auto _ : state) {
        parser.SetExpression(formula);
        benchmark::DoNotOptimize(parser.Calculate());
    }
}

void Fparser(benchmark::State& state, const std::string& formula) {
    const std::string text = ForYardstick(formula);
    const std::string names = VariableList();
    const auto values = VariableValues();
    FunctionParser parser;
    for (auto _ : state) {
        if (parser.Parse(text, names) >= 0) {
            state.SkipWithError("fparser cannot parse the formula");
            break;
        }
        benchmark::DoNotOptimize(parser.Eval(values.data()));
    }
}

void Muparser(benchmark::State& state, const std::string& formula) {
    const std::string text = ForYardstick(formula);
    auto values = VariableValues();
    mu::Parser parser;
    for (std::size_t i = 0; i < kVariables.size(); ++i) {
        parser.DefineVar(kVariables[i].Name, &values[i]);
    }
    parser.DefineFun("trunc", Truncate);
    for (auto _ : state) {
        parser.SetExpr(text);
        benchmark::DoNotOptimize(parser.Eval());
    }
}

// Before measuring: all three must agree on every formula, or the comparison means nothing.
bool YardsticksAgree() {
    bool agree = true;
    for (const std::string& formula : kFormulas) {
        ashtally::TFormulaParser ours;
        SetVariables(ours);
        ours.SetExpression(formula);
        const double ourValue = ours.Calculate();

        FunctionParser fparser;
        fparser.Parse(ForYardstick(formula), VariableList());
        const auto values = VariableValues();
        const double fparserValue = fparser.Eval(values.data());

        auto muValues = VariableValues();
        mu::Parser muparser;
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            muparser.DefineVar(kVariables[i].Name, &muValues[i]);
        }
        muparser.DefineFun("trunc", Truncate);
        muparser.SetExpr(ForYardstick(formula));
        const double muparserValue = muparser.Eval();

        const auto close = [&](double other) {
            return std::fabs(other - ourValue) <= 1e-12 * std::max(1.0, std::fabs(ourValue));
        };
        if (!close(fparserValue) || !close(muparserValue)) {
            std::fprintf(stderr,
                         "values differ for %s: ours %.17g, fparser %.17g, muparser %.17g\n",
                         formula.c_str(), ourValue, fparserValue, muparserValue);
            agree = false;
        }
    }
    return agree;
}

const std::array<const char*, 4> kContenders{"ours", "ours_cached", "fparser", "muparser"};

std::string BenchmarkName(const char* contender, std::size_t formula) {
    return std::string("Formula/") + contender + "/" + std::to_string(formula);
}

void RegisterFormulaBenchmarks() {
    // Formula by formula, so that the contenders of one formula run close together in time.
    for (std::size_t i = 0; i < kFormulas.size(); ++i) {
        const std::string& formula = kFormulas[i];
        benchmark::RegisterBenchmark(BenchmarkName("ours", i).c_str(), Ours, formula, false);
        benchmark::RegisterBenchmark(BenchmarkName("ours_cached", i).c_str(), Ours, formula, true);
        benchmark::RegisterBenchmark(BenchmarkName("fparser", i).c_str(), Fparser, formula);
        benchmark::RegisterBenchmark(BenchmarkName("muparser", i).c_str(), Muparser, formula);
    }
}

// The console output as usual, keeping the CPU time per iteration of every run.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0) {
                m_nanoseconds[run.benchmark_name()].push_back(run.cpu_accumulated_time * 1e9 /
                                                              static_cast<double>(run.iterations));
            }
        }
    }

    // The median over repetitions (one value without --benchmark_repetitions), or NaN.
    double Nanoseconds(const std::string& name) const {
        const auto found = m_nanoseconds.find(name);
        if (found == m_nanoseconds.end()) {
            return std::nan("");
        }
        std::vector<double> values = found->second;
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }

private:
    std::map<std::string, std::vector<double>> m_nanoseconds;
};

void PrintTable(const CollectingReporter& reporter) {
    if (std::isnan(reporter.Nanoseconds(BenchmarkName("ours", 0)))) {
        return; // the formula benchmarks were filtered out
    }
    std::printf("\nFormula parse-and-evaluate, ns per evaluation (CPU time)\n");
    std::printf("%-3s %9s %9s %9s %9s %9s  %s\n", "#", "ours", "cached", "fparser", "muparser",
                "ours/fp", "formula");
    double logSum = 0.0;
    double worst = 0.0;
    int counted = 0;
    for (std::size_t i = 0; i < kFormulas.size(); ++i) {
        std::array<double, kContenders.size()> ns{};
        for (std::size_t c = 0; c < kContenders.size(); ++c) {
            ns[c] = reporter.Nanoseconds(BenchmarkName(kContenders[c], i));
        }
        const double ratio = ns[0] / ns[2];
        if (std::isfinite(ratio)) {
            logSum += std::log(ratio);
            worst = std::max(worst, ratio);
            ++counted;
        }
        std::printf("%-3zu %9.1f %9.1f %9.1f %9.1f %9.3f  %s\n", i, ns[0], ns[1], ns[2], ns[3],
                    ratio, kFormulas[i].c_str());
    }
    if (counted > 0) {
        const double geometricMean = std::exp(logSum / counted);
        std::printf("ours/fparser: geometric mean %.3f (target <= 0.35), worst %.3f (target <= "
                    "0.6): %s\n",
                    geometricMean, worst,
                    geometricMean <= 0.35 && worst <= 0.6 ? "met" : "NOT met");
    }
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    if (!YardsticksAgree()) {
        return 1;
    }
    RegisterFormulaBenchmarks();
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintTable(reporter);
    benchmark::Shutdown();
    return 0;
}
