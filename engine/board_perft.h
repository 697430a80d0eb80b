#pragma once

#include "rules/perft.h" // PerftEntry { Move move; uint64_t nodes; }

#include <functional>
#include <optional>
#include <vector>

// Perft divide of ply 1's position for side s to move, on search boards: the count below each legal
// root move in the order rules/perft's PerftDivide lists them. With pawnDropMateLegal it counts
// exactly what PerftDivide counts; without, pawn drops that give mate are not legal moves (standard
// minishogi). Depth 1 to at least 10. Returns nothing once shouldStop (polled regularly, every few
// thousand nodes) answers true. Reads ply 1 once, changes no ply.
std::optional<std::vector<PerftEntry>> FastPerftDivide(
    int s, int depth, bool pawnDropMateLegal, const std::function<bool()>& shouldStop);
