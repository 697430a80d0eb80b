#pragma once

#include "search_board.h"

// Visits the promotion trials of a board move in the searches' order, plain first, until the
// visitor returns true: plain only, both, or promoted only, as the destination's code says.
template <typename Visit> bool AnyBoardTrial(int type, int s, int from, int to, Visit&& visit)
{
    const TargetCode code = DestinationCode(type, s, from, to);
    const SearchMove plain { int8_t(from), int8_t(to), 0, 0 };
    if (code != TargetPromoteForced && visit(plain))
        return true;
    SearchMove promoted = plain;
    promoted.promote = 1;
    return code != TargetMove && visit(promoted);
}

// Visits the pseudo-legal moves of side s until the visitor returns true: board moves to the
// squares boardFilter(from, type, reachable) keeps, then drops to the squares
// dropFilter(type, allowed) keeps.
template <typename BoardFilter, typename DropFilter, typename Visit>
bool AnyMove(
    const SearchBoard& b, int s, BoardFilter&& boardFilter, DropFilter&& dropFilter, Visit&& visit)
{
    const Bitboard own = b.side[SideIndex(s)], occupied = Occupied(b);
    for (Bitboard pieces = own; pieces != 0;) {
        const int from = PopLowest(pieces);
        const int type = b.code[from] * s;
        for (Bitboard to
             = boardFilter(from, type, PieceAttacks(b.code[from], from, occupied) & ~own);
             to != 0;) {
            if (AnyBoardTrial(type, s, from, PopLowest(to), visit))
                return true;
        }
    }
    for (int type = Pawn; type <= HandTypeCount; ++type) {
        if (b.hand[SideIndex(s)][type] == 0)
            continue;
        for (Bitboard to = dropFilter(type, DropTargets(b, s, type)); to != 0;)
            if (visit(SearchMove { 0, int8_t(PopLowest(to)), int8_t(type), 0 }))
                return true;
    }
    return false;
}
