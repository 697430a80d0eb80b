#pragma once

#include "eval_features.h"
#include "eval_weights.h"

#include "engine/board/search_board.h"

#include <array>
#include <cstdint>

// What losing a piece of each type costs its side, in centipawns: the evaluation's weight of the
// piece on the board, which it leaves, and of the first of its unpromoted kind in hand, which the
// enemy gains. Derived from the fitted weights, so that a new fit carries them along. The king's
// loss outweighs every exchange.
inline constexpr int32_t KingExchangeValue = 20000;

constexpr std::array<int32_t, PieceTypeCount + 1> BuildExchangeValues()
{
    using namespace EvalFeature;
    std::array<int32_t, PieceTypeCount + 1> value {};
    for (int type = Pawn; type <= PieceTypeCount; ++type) {
        const int held = type > PromotionOffset ? type - PromotionOffset : type;
        value[type] = type == King
            ? KingExchangeValue
            : EvalWeights[BoardPiece + type] + EvalWeights[HandPiece + (held - 1) * MaxHandCount];
    }
    return value;
}

inline constexpr std::array<int32_t, PieceTypeCount + 1> ExchangeValue = BuildExchangeValues();

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
