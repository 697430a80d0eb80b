#include "mate_search.h"

#include "search_moves.h"

#include "rules/ply_stack.h"

namespace {

constexpr bool IsRanging(int type) { return SlidesDiagonally(type) || SlidesOrthogonally(type); }

// Whether the move of side s checks the enemy king on square k, for a position in which that
// king is not attacked yet: the moved piece reaches it, or a slider behind the vacated square does.
bool GivesCheck(const SearchBoard& b, int s, const SearchMove& m, int k)
{
    const Bitboard own = b.side[SideIndex(s)];
    const int placed = m.dropType != 0
        ? m.dropType
        : b.code[m.from] * s + (m.promote == 1 ? PromotionOffset : 0);
    const Bitboard vacated = m.dropType != 0 ? 0 : Bit(m.from);
    const Bitboard occupied = (Occupied(b) & ~vacated) | Bit(m.to);
    if (PieceAttacks(placed * s, m.to, occupied) & Bit(k))
        return true;
    if (vacated == 0)
        return false;
    const Bitboard sliders = own & ~vacated;
    return (DiagonalAttacks(k, occupied) & sliders & (b.type[Bishop] | b.type[Horse]))
        || (OrthogonalAttacks(k, occupied) & sliders & (b.type[Rook] | b.type[Dragon]));
}

// The squares where a move other than the king's can end the check on side s's king: every
// checker's square and the squares between a sliding checker and the king.
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

SearchBoard After(const SearchBoard& b, int s, const SearchMove& m)
{
    SearchBoard next = b;
    Play(next, s, m);
    return next;
}

} // namespace

bool FindMate(const SearchBoard& b, int s, int d)
{
    // Below depth 2 every check is tried and then rejected.
    if (d <= 1)
        return false;
    const int k = b.king[SideIndex(-s)];
    const Bitboard near = Attacks.near[k];
    const bool alreadyChecked = KingAttacked(b, -s);
    // Pieces that check only from next to the king are tried only there; the king never moves.
    auto boardDestinations = [&](int, int type, Bitboard to) {
        return type == King ? 0 : IsRanging(type) ? to : to & near;
    };
    auto dropDestinations = [&](int type, Bitboard to) { return IsRanging(type) ? to : to & near; };
    return AnyMove(b, s, boardDestinations, dropDestinations, [&](const SearchMove& m) {
        if (!alreadyChecked && !GivesCheck(b, s, m, k))
            return false;
        const SearchBoard next = After(b, s, m);
        if (KingAttacked(next, s) || !KingAttacked(next, -s))
            return false;
        return !FindEscape(next, -s, d - 1);
    });
}

bool FindEscape(const SearchBoard& b, int s, int d)
{
    const int k = b.king[SideIndex(s)];
    const Bitboard own = b.side[SideIndex(s)];
    auto escapes = [&](const SearchBoard& next) { return d <= 0 || !FindMate(next, -s, d - 1); };
    for (Bitboard to = Attacks.step[0][King][k] & ~own; to != 0;) {
        const int square = PopLowest(to);
        // A king move is legal when no enemy piece reaches its new square once it has left the old.
        if (IsAttacked(b, square, -s, (Occupied(b) & ~Bit(k)) | Bit(square)))
            continue;
        if (escapes(After(b, s, SearchMove { int8_t(k), int8_t(square), 0, 0 })))
            return true;
    }
    // Every other way out captures a checker or interposes, so it ends on a check line.
    const Bitboard lines = CheckLines(b, s);
    auto onLines = [&](int, int type, Bitboard to) { return type == King ? 0 : to & lines; };
    auto dropsOnLines = [&](int, Bitboard to) { return to & lines; };
    return AnyMove(b, s, onLines, dropsOnLines, [&](const SearchMove& m) {
        const SearchBoard next = After(b, s, m);
        return !KingAttacked(next, s) && escapes(next);
    });
}

int32_t ClassifyMateMove(const SearchBoard& b, int s, int32_t best)
{
    if (best == MateAtOnce)
        return 0;
    if (KingAttacked(b, s))
        return OwnKingLeftAttacked;
    if (!KingAttacked(b, -s))
        return 0;
    if (!FindEscape(b, -s, 1))
        return MateAtOnce;
    if (best == MateInTwo)
        return 0;
    if (!FindEscape(b, -s, 3))
        return MateInTwo;
    if (best == MateInThree)
        return 0;
    if (!FindEscape(b, -s, 5))
        return MateInThree;
    return 0;
}

bool EveryReplyMated(const SearchBoard& b, int s)
{
    const int r = -s;
    auto every = [](int, int, Bitboard to) { return to; };
    auto everyDrop = [](int, Bitboard to) { return to; };
    const bool survives = AnyMove(b, r, every, everyDrop, [&](const SearchMove& m) {
        const SearchBoard next = After(b, r, m);
        return !KingAttacked(next, r) && !FindMate(next, s, 4);
    });
    return !survives;
}

// The searches read only the position; material plays no part in them.
bool FindMate(int p, int s, int d) { return FindMate(LoadBoard(p, 0), s, d); }
bool FindEscape(int p, int s, int d) { return FindEscape(LoadBoard(p, 0), s, d); }
int32_t ClassifyMateMove(int p, int s, int32_t best)
{
    return ClassifyMateMove(LoadBoard(p, 0), s, best);
}
bool EveryReplyMated(int p, int s) { return EveryReplyMated(LoadBoard(p, 0), s); }
