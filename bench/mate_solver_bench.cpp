#include "bench_position.h"
#include "engine/mate/solver.h"

#include <benchmark/benchmark.h>

#include <optional>

// The mate solver on mating problems of several lengths and on positions without a mate, under
// both rule sets; the positions searched per second are shown as items.
namespace {

void Solve(benchmark::State& state, const char* sfen, const RuleSet* rules)
{
    const std::optional<int> side = LoadBenchPosition(state, sfen);
    if (!side)
        return;
    const GamePosition position = PositionOfPly(1, *side, *rules);
    uint64_t nodes = 0;
    for (auto _ : state) {
        const MateSolution solution = SolveMate(position, [] { return false; });
        if (solution.outcome != MateOutcome::Mate && solution.outcome != MateOutcome::NoMate)
            state.SkipWithError("no answer");
        nodes += solution.nodes;
    }
    state.SetItemsProcessed(int64_t(nodes));
}

} // namespace

BENCHMARK_CAPTURE(Solve, mate7, "1R2+S/5/3K1/5/3k1 b GPrbgsp 55", &VelmoraRules)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, mate7_standard, "3K1/2G2/5/p1k2/5 b RBGSPrbs 33", &StandardRules)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, mate11, "3b1/1k1s1/3B1/4K/3G1 b RGPrsp 15", &VelmoraRules)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, mate15, "3G1/g1k2/5/4R/2K1R b S2Pbs 65", &VelmoraRules)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, mate21, "1G1K1/5/2g2/5/k1S2 w RSrb2p 32", &VelmoraRules)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, nomate, "3K1/5/3k1/p4/5 b RBSPrb2gs 37", &VelmoraRules)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Solve, nomate_standard, "1k1K1/5/p4/5/3G1 w RBGSPrbs 22", &StandardRules)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
