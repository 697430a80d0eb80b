#include "bench_position.h"
#include "engine/board/fast_perft.h"
#include "rules/perft.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string_view>

// Perft on search boards against the rules' own perft, on the same positions and depths; the
// leaves counted per second are shown as items.
namespace {

uint64_t Total(const std::vector<PerftEntry>& entries)
{
    uint64_t total = 0;
    for (const PerftEntry& e : entries)
        total += e.nodes;
    return total;
}

void FastPerft(benchmark::State& state, std::string_view sfen, const RuleSet* rules)
{
    const std::optional<int> side = LoadBenchPosition(state, sfen);
    if (!side)
        return;
    const int depth = int(state.range(0));
    const GamePosition position = PositionOfPly(1, *side, *rules);
    uint64_t leaves = 0;
    for (auto _ : state)
        leaves += Total(*FastPerftDivide(position, depth, [] { return false; }));
    state.SetItemsProcessed(int64_t(leaves));
}

void RulesPerft(benchmark::State& state, std::string_view sfen)
{
    const std::optional<int> side = LoadBenchPosition(state, sfen);
    if (!side)
        return;
    const int depth = int(state.range(0));
    uint64_t leaves = 0;
    for (auto _ : state)
        leaves += Total(PerftDivide(*side, depth));
    state.SetItemsProcessed(int64_t(leaves));
}

constexpr std::string_view FullHands = "2k2/5/5/5/2K2 b RBGSPrbgsp 1";

} // namespace

BENCHMARK_CAPTURE(FastPerft, standard_start_standard_rules, StandardStartSfen, &StandardRules)
    ->DenseRange(4, 6)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FastPerft, standard_start_velmora_rules, StandardStartSfen, &VelmoraRules)
    ->DenseRange(4, 6)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RulesPerft, standard_start, StandardStartSfen)
    ->DenseRange(4, 5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FastPerft, full_hands_standard_rules, FullHands, &StandardRules)
    ->DenseRange(2, 3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RulesPerft, full_hands, FullHands)
    ->DenseRange(2, 3)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
