#include "check_geometry.h"

CheckSquares DirectCheckSquares(const SearchBoard& b, int s, int k)
{
    const Bitboard occupied = Occupied(b);
    const Bitboard diagonal = DiagonalAttacks(k, occupied),
                   orthogonal = OrthogonalAttacks(k, occupied);
    CheckSquares c {};
    for (int t = Pawn; t <= PieceTypeCount; ++t)
        c.of[t] = Attacks.step[SideIndex(-s)][t][k] | (SlidesDiagonally(t) ? diagonal : 0)
            | (SlidesOrthogonally(t) ? orthogonal : 0);
    return c;
}

Bitboard LoneBlockers(const SearchBoard& b, int sliders, int blockers, int k)
{
    const Bitboard theirs = b.side[SideIndex(sliders)], occupied = Occupied(b);
    Bitboard lined = theirs
        & (((b.type[Bishop] | b.type[Horse]) & Attacks.diagonalLines[k])
            | ((b.type[Rook] | b.type[Dragon]) & Attacks.orthogonalLines[k]));
    Bitboard found = 0;
    while (lined != 0) {
        const Bitboard between = Attacks.between[k][PopLowest(lined)] & occupied;
        if (between != 0 && (between & (between - 1)) == 0)
            found |= between;
    }
    return found & b.side[SideIndex(blockers)];
}

Bitboard SliderReach(const SearchBoard& b, int s, Bitboard occupied)
{
    const Bitboard own = b.side[SideIndex(s)];
    Bitboard reach = 0;
    for (Bitboard sliders = own & (b.type[Bishop] | b.type[Horse]); sliders != 0;)
        reach |= DiagonalAttacks(PopLowest(sliders), occupied);
    for (Bitboard sliders = own & (b.type[Rook] | b.type[Dragon]); sliders != 0;)
        reach |= OrthogonalAttacks(PopLowest(sliders), occupied);
    return reach;
}

bool KingSurelyStepsAway(
    const SearchBoard& b, int s, const SearchMove& m, int placed, int k, Bitboard flights)
{
    if (flights == 0)
        return false;
    const Bitboard vacated = m.dropType != 0 ? 0 : Bit(m.from);
    const Bitboard after = (Occupied(b) & ~vacated & ~Bit(k)) | Bit(m.to);
    Bitboard covered = PieceAttacks(placed * s, m.to, after);
    if (vacated != 0)
        covered |= SliderReach(b, s, after);
    return (flights & ~covered) != 0;
}

Bitboard CoveringSquares(int s, int type, Bitboard flights, Bitboard occupied)
{
    Bitboard squares = AllSquares;
    for (Bitboard left = flights; left != 0;) {
        const int flight = PopLowest(left);
        squares &= Attacks.step[SideIndex(-s)][type][flight]
            | (SlidesDiagonally(type) ? DiagonalAttacks(flight, occupied) : 0)
            | (SlidesOrthogonally(type) ? OrthogonalAttacks(flight, occupied) : 0);
    }
    return squares & ~flights;
}

Bitboard CheckLines(const SearchBoard& b, int s)
{
    const int k = b.king[SideIndex(s)];
    Bitboard lines = 0;
    for (Bitboard checkers = AttackersOf(b, k, -s, Occupied(b)); checkers != 0;) {
        const int checker = PopLowest(checkers);
        lines |= Bit(checker) | Attacks.between[k][checker];
    }
    return lines;
}
