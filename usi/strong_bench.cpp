#include "strong_bench.h"

#include "bench_suite.h"

#include "engine/board/game_position.h"
#include "engine/board/rules_move.h"
#include "engine/strong/search.h"
#include "rules/rule_tables.h"
#include "rules/usi_move.h"

uint64_t RunStrongBench(std::ostream& out, std::ostream& timing, int depth)
{
    const auto started = std::chrono::steady_clock::now();
    uint64_t total = 0;
    ForEachBenchPosition(out, [&](const std::string& name, int side) {
        SearchResult result;
        const uint64_t nodes
            = SearchNodesToDepth(PositionOfPly(1, side, VelmoraRules), depth, &result);
        total += nodes;
        out << name << ' '
            << (result.hasMove ? WriteUsiMove(RulesMove(result.best, side)) : "resign") << " nodes "
            << nodes << '\n';
    });
    out << "depth " << depth << " nodes " << total << '\n';
    const double ms = MillisecondsSince(started);
    timing << "strong search: " << total << " nodes in " << ms << " ms, "
           << uint64_t(double(total) / std::max(ms, 1.0) * 1000) << " nodes per second\n";
    return total;
}
