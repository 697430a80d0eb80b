#include "bench_position.h"
#include "engine/classic/computer_choice.h"
#include "engine/classic/random_below.h"
#include "position_suite.h"
#include "tests/reference/plain_engine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The computer's whole decision on every position of the suite, by the plain engine and by the
// fast one side by side, then a table of the per-position medians, the speed-ups and the slowest
// position.
namespace {

using Decide = ComputerDecision (*)(int);

void DecideOn(benchmark::State& state, const std::string& sfen, Decide decide)
{
    const std::optional<int> side = LoadBenchPosition(state, sfen);
    if (!side)
        return;
    // The decision leaves ply 1 as it found it, so only the generator needs resetting.
    for (auto _ : state) {
        RandomSeed = 0;
        benchmark::DoNotOptimize(decide(*side));
    }
}

// Passes every run on to the console and keeps each benchmark's median in milliseconds
// (its only run when there are no repetitions).
class MedianCollector : public benchmark::ConsoleReporter {
public:
    MedianCollector()
        : ConsoleReporter(OO_Tabular)
    {
    }

    std::map<std::string, double> medians;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintTable(const std::vector<SuitePosition>& suite, const std::map<std::string, double>& ms)
{
    std::vector<double> ratios;
    std::string slowest;
    double slowestMs = 0;
    std::printf("\n| Position | Plain (ms) | Fast (ms) | Speed-up |\n|---|---:|---:|---:|\n");
    for (const SuitePosition& p : suite) {
        const auto plain = ms.find("plain/" + p.name), fast = ms.find("fast/" + p.name);
        if (plain == ms.end() || fast == ms.end())
            continue;
        const double ratio = plain->second / fast->second;
        ratios.push_back(ratio);
        if (fast->second > slowestMs)
            slowestMs = fast->second, slowest = p.name;
        std::printf(
            "| %s | %.3f | %.4f | %.0f× |\n", p.name.c_str(), plain->second, fast->second, ratio);
    }
    if (ratios.empty())
        return;
    std::sort(ratios.begin(), ratios.end());
    const size_t n = ratios.size();
    const double median = n % 2 ? ratios[n / 2] : (ratios[n / 2 - 1] + ratios[n / 2]) / 2;
    std::printf(
        "\nMedian speed-up: %.0f× over %zu positions. Slowest position (fast): %s, %.3f ms.\n",
        median, n, slowest.c_str(), slowestMs);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<SuitePosition> suite = ReadPositionSuite(VELMORA_POSITION_SUITE);
    for (const SuitePosition& p : suite) {
        benchmark::RegisterBenchmark(
            ("plain/" + p.name).c_str(), DecideOn, p.sfen, &plain::DecideComputerMove)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("fast/" + p.name).c_str(), DecideOn, p.sfen, +[](int s) {
            return DecideComputerMove(PositionOfPly(1, s, VelmoraRules));
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    benchmark::Shutdown();
    PrintTable(suite, collector.medians);
    return 0;
}
