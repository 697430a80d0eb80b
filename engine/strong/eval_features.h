#pragma once

#include "engine/board/search_board.h"

#include <algorithm>
#include <bit>

// The strong search's evaluation is a weighted sum of these features, so that the weights can
// be fitted to game results by logistic regression (tools/tune) and the search and the tuner
// read the same definition. Every feature belongs to a side: it counts +1 for Sente and -1 for
// Gote, and the sum is Sente's score in centipawns.
namespace EvalFeature {

// A piece on the board, by type (the king's slot is unused: both sides always have one).
inline constexpr int BoardPiece = 0;
// The first and the second piece of a kind in hand: [type - 1][count - 1].
inline constexpr int HandPiece = BoardPiece + PieceTypeCount + 1;
inline constexpr int MaxHandCount = 2;
// Where a piece stands, as its owner sees the board: [type][square from the owner's side].
inline constexpr int Placement = HandPiece + HandTypeCount * MaxHandCount;
// Pressure on the enemy king: squares of its 3 x 3 zone the side attacks, against the pieces
// the side holds in hand, [attacked][held].
inline constexpr int MaxZoneAttacks = 8;
inline constexpr int MaxHeldCounted = 3;
inline constexpr int KingPressure = Placement + (PieceTypeCount + 1) * SquareCount;
// The side's own pieces beside its king.
inline constexpr int MaxShelter = 5;
inline constexpr int KingShelter = KingPressure + (MaxZoneAttacks + 1) * (MaxHeldCounted + 1);
// The side to move.
inline constexpr int Tempo = KingShelter + MaxShelter + 1;
inline constexpr int Count = Tempo + 1;

// The square as side s sees it: Gote's view turns the board round.
constexpr int OwnView(int s, int square) { return s == Sente ? square : SquareCount - 1 - square; }

} // namespace EvalFeature

// Calls add(feature, sign) for every feature of the position with side s to move, sign +1 for
// Sente's and -1 for Gote's.
template <typename Add> void VisitEvalFeatures(const SearchBoard& b, int s, Add&& add)
{
    using namespace EvalFeature;
    for (Bitboard pieces = Occupied(b); pieces != 0;) {
        const int square = PopLowest(pieces);
        const int code = b.code[square], owner = SideOf(code), type = code * owner;
        add(BoardPiece + type, owner);
        add(Placement + type * SquareCount + OwnView(owner, square), owner);
    }
    const Bitboard occupied = Occupied(b);
    for (const int side : { Sente, Gote }) {
        int heldPieces = 0;
        for (int type = Pawn; type <= HandTypeCount; ++type) {
            const int count = std::min<int>(b.hand[SideIndex(side)][type], MaxHandCount);
            for (int c = 1; c <= count; ++c)
                add(HandPiece + (type - 1) * MaxHandCount + (c - 1), side);
            heldPieces += b.hand[SideIndex(side)][type];
        }
        const int enemyKing = b.king[SideIndex(-side)], ownKing = b.king[SideIndex(side)];
        if (enemyKing >= 0) {
            const int attacked = std::popcount(Reach(b, side, occupied) & Attacks.near[enemyKing]);
            add(KingPressure + std::min(attacked, MaxZoneAttacks) * (MaxHeldCounted + 1)
                    + std::min(heldPieces, MaxHeldCounted),
                side);
        }
        if (ownKing >= 0) {
            const Bitboard beside = Attacks.near[ownKing] & ~Bit(ownKing) & b.side[SideIndex(side)];
            add(KingShelter + std::min(std::popcount(beside), MaxShelter), side);
        }
    }
    add(Tempo, s);
}
