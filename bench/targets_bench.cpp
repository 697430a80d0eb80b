#include "bench_position.h"

#include "rules/moves.h"
#include "rules/rule_tables.h"
#include "rules/sfen.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

const std::string_view Positions[] = {
    StartSfen,
    "2k2/1+P3/5/+r2+S1/2K2 w RBGPbgs 17",
    "k4/5/5/5/4K b RBGSPrbgsp 1",
};

// GenerateTargets for every source of both sides, board pieces and hand slots alike.
void GenerateTargetsForEveryPiece(benchmark::State& state)
{
    if (!LoadBenchPosition(state, Positions[state.range(0)]))
        return;
    for (auto _ : state)
        for (int s : { Sente, Gote })
            for (int x = 1; x <= BoardSize; ++x)
                for (int y = 1; y <= GridRows; ++y)
                    if (IsSource(1, s, x, y)) {
                        GenerateTargets(1, x, y);
                        benchmark::DoNotOptimize(TargetMap[1]);
                    }
}

} // namespace

BENCHMARK(GenerateTargetsForEveryPiece)->DenseRange(0, 2);
