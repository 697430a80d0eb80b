#pragma once

#include "game_position.h"

#include "rules/perft.h" // PerftEntry { Move move; uint64_t nodes; }

#include <functional>
#include <optional>
#include <vector>

// Perft divide of the position, on search boards: the count below each legal root move in the
// order rules/perft's PerftDivide lists them. Where the rules allow a pawn drop that gives mate it
// counts exactly what PerftDivide counts; where they forbid it (standard minishogi), such drops
// are not legal moves. Depth 1 to at least 10. Returns nothing once shouldStop (polled regularly,
// every few thousand nodes) answers true.
std::optional<std::vector<PerftEntry>> FastPerftDivide(
    const GamePosition& position, int depth, const std::function<bool()>& shouldStop);
