#pragma once

#include "engine/board/search_board.h"

#include <cstdint>

// What losing a piece of each type costs its side, in centipawns: the piece leaves the board
// and goes to the enemy's hand. Near the evaluation's fitted values.
// clang-format off
inline constexpr int32_t ExchangeValue[PieceTypeCount + 1] = {
    //     pawn  silver  bishop  rook  gold  king   tokin  promoted silver  horse  dragon
    0,     256,  778,    869,    1010, 846,  20000, 414,   632,             1113,  1217,
};
// clang-format on

// Whether the exchange the move starts on its square gains side s at least threshold, each side
// recapturing with its least valuable piece and free to stop; pieces lined up behind a slider
// join in. Promotions within the exchange are not counted.
inline bool ExchangeAtLeast(const SearchBoard& b, int s, const SearchMove& m, int threshold)
{
    const int to = m.to;
    int swap
        = (m.dropType == 0 && b.code[to] != 0 ? ExchangeValue[-b.code[to] * s] : 0) - threshold;
    if (swap < 0)
        return false;
    const int mover = m.dropType != 0 ? m.dropType
        : m.promote != 0              ? b.code[m.from] * s + PromotionOffset
                                      : b.code[m.from] * s;
    swap = ExchangeValue[mover] - swap;
    if (swap <= 0)
        return true;
    Bitboard occupied = Occupied(b) | Bit(to);
    if (m.dropType == 0)
        occupied &= ~Bit(m.from);
    int side = s;
    bool won = true;
    for (;;) {
        side = -side;
        const Bitboard attackers = AttackersOf(b, to, side, occupied) & occupied & ~Bit(to);
        if (attackers == 0)
            break;
        won = !won;
        int cheapest = -1, value = 0;
        for (Bitboard a = attackers; a != 0;) {
            const int square = PopLowest(a);
            const int v = ExchangeValue[b.code[square] * side];
            if (cheapest < 0 || v < value) {
                cheapest = square;
                value = v;
            }
        }
        // The king may take only when nothing can take it back.
        if (b.code[cheapest] * side == King)
            return AttackersOf(b, to, -side, occupied & ~Bit(cheapest)) & occupied & ~Bit(to) ? !won
                                                                                              : won;
        swap = value - swap;
        if (swap < int(won))
            break;
        occupied &= ~Bit(cheapest);
    }
    return won;
}
