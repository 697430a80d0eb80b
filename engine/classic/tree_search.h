#pragma once

#include "engine/board/search_board.h"

#include <cstdint>

// The value of a line's end or of a side without any move.
inline constexpr int32_t NoMoveValue = -20000;
// Material beyond this ends a line: only a captured king swings the balance so far.
inline constexpr int32_t KingCaptureThreshold = 600;
// Beyond every value a search can return.
inline constexpr int32_t UnboundedValue = 1 << 20;

// The value of full-width negamax over material for side s to move, depth >= 1 plies, ending in
// LeafValue; moves are pseudo-legal, so a lost king shows only as a swing in material. Found by
// alpha-beta, exact whenever it lies strictly between alpha and beta. Otherwise the result is at
// most alpha when the value is, and at least beta when the value is, which is all a caller that
// only compares with a bound needs to know.
int32_t SearchValue(const SearchBoard& board, int s, int depth, int32_t alpha, int32_t beta);

// Material seen from s plus the best gain from one capture or promotion on a square that
// no enemy piece reaches.
int32_t LeafValue(const SearchBoard& board, int s);
