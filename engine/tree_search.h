#pragma once

#include <cstdint>

// The value of a line's end or of a side without any move.
inline constexpr int32_t NoMoveValue = -20000;
// Material beyond this ends a line: only a captured king swings the balance so far.
inline constexpr int32_t KingCaptureThreshold = 600;

// Full-width negamax over material for side s to move at ply p, depth >= 1 plies, ending in
// LeafValue. Moves are pseudo-legal: a lost king shows only as a swing in material.
// Needs the ply's MaterialScore; writes the TargetMap (and at depth 1 the ControlMap) of ply p
// and the plies above.
int32_t SearchValue(int p, int s, int depth);

// Material seen from s plus the best gain from one capture or promotion on a square that
// no enemy piece reaches.
int32_t LeafValue(int p, int s);
