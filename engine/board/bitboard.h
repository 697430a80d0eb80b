#pragma once

#include "rules/pieces.h"

#include <bit>
#include <cstdint>

// A set of board squares, one bit each: the 25 squares fit in 32 bits.
using Bitboard = uint32_t;

inline constexpr int SquareCount = BoardSize * BoardSize;

// Squares are numbered column by column like the per-ply grids: (x, y) is 5 (x - 1) + (y - 1).
constexpr int SquareAt(int x, int y) { return (x - 1) * BoardSize + (y - 1); }
constexpr int XOf(int square) { return square / BoardSize + 1; }
constexpr int YOf(int square) { return square % BoardSize + 1; }
constexpr Bitboard Bit(int square) { return Bitboard(1) << square; }

// Removes the lowest square of a non-empty set and returns it.
inline int PopLowest(Bitboard& set)
{
    const int square = std::countr_zero(set);
    set &= set - 1;
    return square;
}
