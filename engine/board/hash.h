#pragma once

#include "search_board.h"

#include <cstdint>

// Zobrist keys of search boards: one random number for each piece code on each square, for each
// count of each kind in each hand and for Gote to move, so that a position's key is the exclusive
// or of its parts and two different positions share a key only by rare accident.

struct HashKeys {
    uint64_t piece[2 * PieceTypeCount + 1][SquareCount]; // [code + PieceTypeCount][square]
    uint64_t hand[SideSlots][HandTypeCount + 1][MaxOfAKind + 1]; // [side index][type][count]
    uint64_t goteToMove;
};

// SplitMix64's step, 2^64 divided by the golden ratio, and its two mixing multipliers; other
// hashes of keys borrow them, since they scatter bits well.
inline constexpr uint64_t GoldenGamma = 0x9E3779B97F4A7C15ULL;
inline constexpr uint64_t MixMultiplier1 = 0xBF58476D1CE4E5B9ULL;
inline constexpr uint64_t MixMultiplier2 = 0x94D049BB133111EBULL;

constexpr uint64_t SplitMix64(uint64_t& state)
{
    uint64_t z = (state += GoldenGamma);
    z = (z ^ (z >> 30)) * MixMultiplier1;
    z = (z ^ (z >> 27)) * MixMultiplier2;
    return z ^ (z >> 31);
}

constexpr HashKeys BuildHashKeys()
{
    HashKeys k {};
    uint64_t state = 0x5A17ED5EEDULL;
    for (auto& squares : k.piece)
        for (uint64_t& key : squares)
            key = SplitMix64(state);
    for (auto& side : k.hand)
        for (auto& type : side)
            for (int count = 1; count <= MaxOfAKind; ++count) // an empty slot adds nothing
                type[count] = SplitMix64(state);
    k.goteToMove = SplitMix64(state);
    return k;
}

inline constexpr HashKeys ZobristKeys = BuildHashKeys();

// The key of the position with side s to move.
inline uint64_t HashOf(const SearchBoard& b, int s)
{
    uint64_t key = s == Gote ? ZobristKeys.goteToMove : 0;
    for (Bitboard pieces = Occupied(b); pieces != 0;) {
        const int square = PopLowest(pieces);
        key ^= ZobristKeys.piece[b.code[square] + PieceTypeCount][square];
    }
    for (int side = 0; side < 2; ++side)
        for (int type = Pawn; type <= HandTypeCount; ++type)
            key ^= ZobristKeys.hand[side][type][b.hand[side][type]];
    return key;
}
