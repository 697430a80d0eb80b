#include "strong_bench.h"

#include "position_suite_text.h"

#include "bench/position_suite.h"
#include "engine/board/game_position.h"
#include "engine/board/rules_move.h"
#include "engine/strong/search.h"
#include "rules/rule_tables.h"
#include "rules/usi_move.h"

#include <chrono>

uint64_t RunStrongBench(std::ostream& out, std::ostream& timing, int depth)
{
    const auto started = std::chrono::steady_clock::now();
    uint64_t total = 0;
    for (const SuitePosition& p : ParsePositionSuite(PositionSuiteText)) {
        SfenHeader header;
        std::string error;
        if (!ReadSfen(p.sfen, header, error)) {
            out << p.name << " error " << error << '\n';
            continue;
        }
        SearchResult result;
        const uint64_t nodes
            = SearchNodesToDepth(PositionOfPly(1, header.side, VelmoraRules), depth, &result);
        total += nodes;
        out << p.name << ' '
            << (result.hasMove ? WriteUsiMove(RulesMove(result.best, header.side)) : "resign")
            << " nodes " << nodes << '\n';
    }
    out << "depth " << depth << " nodes " << total << '\n';
    const double ms
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
              .count();
    timing << "strong search: " << total << " nodes in " << ms << " ms, "
           << uint64_t(double(total) / std::max(ms, 1.0) * 1000) << " nodes per second\n";
    return total;
}
