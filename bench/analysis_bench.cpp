#include "record/record_reader.h"
#include "review/game_analysis.h"

#include "rules/rule_tables.h"

#include <benchmark/benchmark.h>

// "Analyse game" on a game of 60 moves with the window's limits, on the analysis thread as the
// window runs it: the wall time a player waits for the graph.
namespace {

// Sixty moves of Velmora's game, the strong search against itself at depth 5.
constexpr const char* SixtyMoves
    = "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 3e2d 3a4b 1d1c 5b5c 4e3d 4a3b 5e3e 5a4a 3d4e "
      "4b4c 3e3b 2a3b G*2b "
      "R*5e 2e3e 1a2a 2b2a 3b2a R*1a G*3a 4e1b 2a3b 1b4e 3a2a 1a2a 3b2a 2d3c R*5b 4e2c 4c3b G*4e "
      "5c5d 2c3b 2a3b 4e5e 5d5e+ R*1a B*3a S*2e G*2c 3e4d 3b5d 2e2d 5d4e+ 4d4c 2c2d 3c2d 4e3d G*3c "
      "3d4c 3c4c G*3b 4c5b 4a5b B*4d 5e4e 4d3c G*4b 1a1b+ S*4c";

void AnalyseSixtyMoves(benchmark::State& state)
{
    GameRecord record;
    std::string error;
    if (!ReadGameRecord(SixtyMoves, VelmoraRules, record, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyseRecord(record, VelmoraRules));
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(record.moves.size() + 1));
}

} // namespace

BENCHMARK(AnalyseSixtyMoves)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

BENCHMARK_MAIN();
