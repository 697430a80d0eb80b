#pragma once

#include "moves.h"

#include <cstdint>
#include <vector>

// Perft counts the legal move tree: every move of ForEachMove that does not leave the mover's
// own king attacked. Depth d from ply p reaches ply p + d, so ply 1 allows depths 1 to 7.
inline constexpr int MaxPerftDepth = MaxPly - 1;

uint64_t Perft(int p, int s, int depth);

struct PerftEntry {
    Move move;
    uint64_t nodes;
};

// The count below each legal root move of ply 1, in the order perft visits them.
std::vector<PerftEntry> PerftDivide(int s, int depth);
