#pragma once

#include "attack_tables.h"

#include "rules/targets.h"

#include <cstdint>

// One ply's position packed for the searches: piece codes by square, both hands, and the squares
// of each side and each piece type, so attack tests and move lists need no walks over the grid.
// Boards are copied forward like the plies: a move is made on a copy, never undone.
struct SearchBoard {
    int8_t code[SquareCount];
    uint8_t hand[SideSlots][HandTypeCount + 1]; // [side index][type]
    Bitboard side[SideSlots];
    Bitboard type[PieceTypeCount + 1];
    int8_t king[SideSlots]; // the square of each side's king; -1 once the tree search has taken it
    int32_t material; // from Sente's point of view: CaptureGain and PromotionGain keep it
};

// A board move from a square, or a drop of dropType (1..5) from the mover's hand.
struct SearchMove {
    int8_t from;
    int8_t to;
    int8_t dropType;
    int8_t promote;
};

inline bool SameMove(const SearchMove& a, const SearchMove& b)
{
    return a.from == b.from && a.to == b.to && a.dropType == b.dropType && a.promote == b.promote;
}

// Packs the position of ply p; material is taken as given.
SearchBoard LoadBoard(int p, int32_t material);

// Makes a move of side s: squares, hands and king squares as the rules' MakeMove does, and the
// material with them.
void Play(SearchBoard& board, int s, const SearchMove& move);

// The position after move m of side s, the board itself left as it was.
inline SearchBoard After(const SearchBoard& board, int s, const SearchMove& m)
{
    SearchBoard next = board;
    Play(next, s, m);
    return next;
}

// How many moves Play has made on this thread: the engine program reports its growth over a
// classic decision as the decision's node count. One counter per thread, since the strong search
// plays on several at once. Read through a function: the sanitizers misjudge a thread_local
// variable read from another file.
uint64_t MovesPlayedOnThisThread();

inline Bitboard Occupied(const SearchBoard& b) { return b.side[0] | b.side[1]; }

// Side by's pieces that attack the square, with the board occupied as given.
Bitboard AttackersOf(const SearchBoard& b, int square, int by, Bitboard occupied);

// Every square that some board piece of side s reaches, with the board occupied as given.
Bitboard Reach(const SearchBoard& b, int s, Bitboard occupied);

inline bool IsAttacked(const SearchBoard& b, int square, int by, Bitboard occupied)
{
    return AttackersOf(b, square, by, occupied) != 0;
}

// Whether the king of side s is attacked: IsKingAttacked for a search board.
inline bool KingAttacked(const SearchBoard& b, int s)
{
    return IsAttacked(b, b.king[SideIndex(s)], -s, Occupied(b));
}

// Whether the move of side s checks the enemy king on square k, for a position in which that
// king is not attacked yet.
bool GivesCheck(const SearchBoard& b, int s, const SearchMove& move, int k);

// The empty squares where side s may drop a piece of the type: for a pawn, not the far row and
// not a column that holds one of its unpromoted pawns.
inline Bitboard DropTargets(const SearchBoard& b, int s, int type)
{
    Bitboard empty = ~Occupied(b) & ((Bitboard(1) << SquareCount) - 1);
    if (type != Pawn)
        return empty;
    empty &= ~Attacks.farRow[SideIndex(s)];
    for (Bitboard pawns = b.type[Pawn] & b.side[SideIndex(s)]; pawns != 0;)
        empty &= ~Attacks.column[XOf(PopLowest(pawns))];
    return empty;
}

// The destination's TargetMap code for a board move of a piece of the type: promotion offered
// when a promotable piece enters or leaves the far row, forced for a pawn.
inline TargetCode DestinationCode(int type, int s, int from, int to)
{
    const Bitboard far = Attacks.farRow[SideIndex(s)];
    if (!IsPromotable(type) || ((Bit(from) | Bit(to)) & far) == 0)
        return TargetMove;
    return type == Pawn ? TargetPromoteForced : TargetPromoteOptional;
}
