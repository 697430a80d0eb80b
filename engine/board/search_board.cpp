#include "search_board.h"

#include "rules/ply_stack.h"
#include "rules/rule_tables.h"

SearchBoard LoadBoard(int p, int32_t material)
{
    SearchBoard b {};
    b.king[0] = b.king[1] = -1;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int c = Position[p][x][y];
            if (c == 0)
                continue;
            const int sq = SquareAt(x, y), t = c > 0 ? c : -c;
            b.code[sq] = int8_t(c);
            b.side[SideIndex(c)] |= Bit(sq);
            b.type[t] |= Bit(sq);
            if (t == King)
                b.king[SideIndex(c)] = int8_t(sq);
        }
    for (int t = 1; t <= HandTypeCount; ++t) {
        b.hand[0][t] = uint8_t(Position[p][t][HandRow(Sente)]);
        b.hand[1][t] = uint8_t(Position[p][t][HandRow(Gote)]);
    }
    b.material = material;
    return b;
}

namespace {

thread_local uint64_t PlayedMoves = 0;

} // namespace

uint64_t MovesPlayedOnThisThread() { return PlayedMoves; }

void Play(SearchBoard& b, int s, const SearchMove& m)
{
    ++PlayedMoves;
    const int own = SideIndex(s), enemy = 1 - own;
    if (m.dropType != 0) {
        // Material is unchanged: a piece in hand counts as much as on the board.
        b.code[m.to] = int8_t(s * m.dropType);
        b.side[own] |= Bit(m.to);
        b.type[m.dropType] |= Bit(m.to);
        --b.hand[own][m.dropType];
        return;
    }
    const int t = b.code[m.from] * s;
    const int victim = -b.code[m.to] * s;
    const int placed = m.promote == 1 ? t + PromotionOffset : t;
    if (victim > 0) {
        b.side[enemy] &= ~Bit(m.to);
        b.type[victim] &= ~Bit(m.to);
        b.material += CaptureGain(victim) * s;
        if (victim == King)
            b.king[enemy] = -1;
        else
            ++b.hand[own][victim > PromotionOffset ? victim - PromotionOffset : victim];
    }
    if (placed != t)
        b.material += PromotionGain(t) * s;
    b.code[m.from] = 0;
    b.code[m.to] = int8_t(placed * s);
    b.side[own] ^= Bit(m.from) | Bit(m.to);
    b.type[t] &= ~Bit(m.from);
    b.type[placed] |= Bit(m.to);
    if (t == King)
        b.king[own] = m.to;
}

Bitboard AttackersOf(const SearchBoard& b, int square, int by, Bitboard occupied)
{
    // A piece of side by attacks the square exactly when the same piece of the other side,
    // standing on the square, would reach it. Types that step alike are taken together; a
    // slider on one of the square's lines attacks it when nothing stands between.
    const Bitboard(&steps)[PieceTypeCount + 1][SquareCount] = Attacks.step[SideIndex(-by)];
    const Bitboard theirs = b.side[SideIndex(by)];
    const Bitboard goldLike = b.type[Gold] | b.type[Tokin] | b.type[ProSilver];
    const Bitboard kingLike = b.type[King] | b.type[Horse] | b.type[Dragon];
    Bitboard found
        = ((steps[Pawn][square] & b.type[Pawn]) | (steps[Silver][square] & b.type[Silver])
              | (steps[Gold][square] & goldLike) | (steps[King][square] & kingLike))
        & theirs;
    Bitboard sliders = theirs
        & (((b.type[Bishop] | b.type[Horse]) & Attacks.diagonalLines[square])
            | ((b.type[Rook] | b.type[Dragon]) & Attacks.orthogonalLines[square]));
    while (sliders != 0) {
        const int slider = PopLowest(sliders);
        if ((Attacks.between[square][slider] & occupied) == 0)
            found |= Bit(slider);
    }
    return found;
}

Bitboard Reach(const SearchBoard& b, int s, Bitboard occupied)
{
    Bitboard reach = 0;
    for (Bitboard pieces = b.side[SideIndex(s)]; pieces != 0;) {
        const int from = PopLowest(pieces);
        reach |= PieceAttacks(b.code[from], from, occupied);
    }
    return reach;
}

// Whether the move of side s checks the enemy king on square k, for a position in which that
// king is not attacked yet: the moved piece reaches it, or a slider behind the vacated square does.
bool GivesCheck(const SearchBoard& b, int s, const SearchMove& m, int k)
{
    const bool drop = m.dropType != 0;
    const int placed
        = drop ? m.dropType : b.code[m.from] * s + (m.promote == 1 ? PromotionOffset : 0);
    const Bitboard vacated = drop ? 0 : Bit(m.from);
    const Bitboard occupied = (Occupied(b) & ~vacated) | Bit(m.to);
    if (PieceAttacks(placed * s, m.to, occupied) & Bit(k))
        return true;
    const Bitboard sliders = b.side[SideIndex(s)] & ~vacated;
    return !drop
        && ((DiagonalAttacks(k, occupied) & sliders & (b.type[Bishop] | b.type[Horse]))
            || (OrthogonalAttacks(k, occupied) & sliders & (b.type[Rook] | b.type[Dragon])));
}
