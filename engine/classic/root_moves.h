#pragma once

#include "engine/board/pseudo_legal_moves.h"

// Walks the computer's candidate moves for side s on a search board in the fixed order: source
// cells x = 1..5 and inside y = 1..7 (the hand cell of column x drops type x), destinations
// tx = 1..5 and inside ty = 1..5, which is the order of the square numbers. The root tries fewer
// promotion variants than the searches: a silver both ways (plain first), every other promotable
// piece only promoted when it may promote.
template <typename Visit> void ForEachRootMove(const SearchBoard& b, int s, Visit&& visit)
{
    const Bitboard own = b.side[SideIndex(s)], occupied = Occupied(b);
    for (int x = 1; x <= BoardSize; ++x) {
        for (int y = 1; y <= BoardSize; ++y) {
            const int from = SquareAt(x, y);
            if ((own & Bit(from)) == 0)
                continue;
            const int type = b.code[from] * s;
            for (Bitboard to = PieceAttacks(b.code[from], from, occupied) & ~own; to != 0;) {
                const int square = PopLowest(to);
                const TargetCode code = DestinationCode(type, s, from, square);
                const SearchMove plain { int8_t(from), int8_t(square), 0, 0 };
                if (code == TargetMove || (code == TargetPromoteOptional && type == Silver))
                    visit(plain);
                if (code != TargetMove)
                    visit(SearchMove { plain.from, plain.to, 0, 1 });
            }
        }
        if (x <= HandTypeCount && b.hand[SideIndex(s)][x] > 0)
            for (Bitboard to = DropTargets(b, s, x); to != 0;)
                visit(SearchMove { 0, int8_t(PopLowest(to)), int8_t(x), 0 });
    }
}
