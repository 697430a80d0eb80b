#include "mate_search.h"

#include "search_moves.h"

#include "rules/ply_stack.h"

namespace {

constexpr bool IsRanging(int type) { return SlidesDiagonally(type) || SlidesOrthogonally(type); }

constexpr Bitboard AllSquares = (Bitboard(1) << SquareCount) - 1;

// By piece type, the squares from which a piece of side s would attack square k directly.
struct CheckSquares {
    Bitboard of[PieceTypeCount + 1];
};

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

// The pieces of side blockers that stand alone between square k and a slider of side sliders
// on one of k's lines: moving one of them off the line may open that line onto k.
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

// Every square that some slider of side s reaches with the board occupied as given.
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

// Whether the enemy king on square k surely keeps a safe square to step to after side s's move
// m, which leaves a piece of type placed on m.to: then m does not mate at once. threatened holds
// the squares side s reached before the move with the king lifted off the board, and flights the
// king's steps that were free and unthreatened then. After the move the king may also take the
// moved piece if it was a defender's square that was taken; the moved piece's new reach and any
// line its old square opens cover the rest. A false answer proves nothing and leaves the test to
// the exact search.
bool KingSurelyStepsAway(const SearchBoard& b, int s, const SearchMove& m, int placed, int k,
    Bitboard flights, Bitboard threatened)
{
    if (b.code[m.to] != 0)
        flights |= Bit(m.to) & Attacks.step[0][King][k] & ~threatened;
    if (flights == 0)
        return false;
    const Bitboard vacated = m.dropType != 0 ? 0 : Bit(m.from);
    const Bitboard after = (Occupied(b) & ~vacated & ~Bit(k)) | Bit(m.to);
    Bitboard covered = PieceAttacks(placed * s, m.to, after);
    if (vacated != 0)
        covered |= SliderReach(b, s, after);
    return (flights & ~covered) != 0;
}

// The squares from which a piece of side s of the type would reach every one of the flights with
// the board occupied as given: a drop mates at once only from there, since a dropped piece
// opens no line and a flight square it lands on would simply be taken.
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
    const int k = b.king[SideIndex(-s)], ownKing = b.king[SideIndex(s)];
    const Bitboard own = b.side[SideIndex(s)], occupied = Occupied(b), near = Attacks.near[k];
    // Usually the enemy king is not attacked yet: then a move checks exactly when the piece lands
    // on a checking square or uncovers a slider, and only those moves are made. Otherwise every
    // candidate is made and tested.
    const bool verify = KingAttacked(b, -s);
    CheckSquares checks;
    for (Bitboard& squares : checks.of)
        squares = AllSquares;
    if (!verify)
        checks = DirectCheckSquares(b, s, k);
    const Bitboard uncoverers = verify ? own : LoneBlockers(b, s, s, k);
    const bool mateAtOnce = d <= 3 && !verify;
    const Bitboard threatened = mateAtOnce ? Reach(b, s, Occupied(b) & ~Bit(k)) : 0;
    const Bitboard flights = Attacks.step[0][King][k] & ~b.side[SideIndex(-s)] & ~threatened;
    // A move can expose the own king only when the piece stood alone between it and an enemy
    // slider, unless the king is in check already; a drop never can. Asked only once a move
    // gets that far.
    bool ownChecked = false, ownKnown = false;
    Bitboard exposing = 0;
    auto mates = [&](const SearchMove& m, int placed) {
        // A mate at once needs a king without a flight square; most checks leave it one.
        if (mateAtOnce && KingSurelyStepsAway(b, s, m, placed, k, flights, threatened))
            return false;
        if (!ownKnown) {
            ownChecked = KingAttacked(b, s);
            exposing = LoneBlockers(b, -s, s, ownKing);
            ownKnown = true;
        }
        const SearchBoard next = After(b, s, m);
        const bool mayExpose = ownChecked || (m.dropType == 0 && (exposing & Bit(m.from)));
        if ((mayExpose && KingAttacked(next, s)) || (verify && !KingAttacked(next, -s)))
            return false;
        return !FindEscape(next, -s, d - 1);
    };
    // Pieces that check only from next to the king are tried only there; the king never moves.
    for (Bitboard pieces = own & ~b.type[King]; pieces != 0;) {
        const int from = PopLowest(pieces);
        const int type = b.code[from] * s;
        Bitboard reach = PieceAttacks(b.code[from], from, occupied) & ~own;
        if (!IsRanging(type))
            reach &= near;
        const bool uncovers = uncoverers & Bit(from);
        const Bitboard promoted = IsPromotable(type) ? checks.of[type + PromotionOffset] : 0;
        for (Bitboard to = uncovers ? reach : reach & (checks.of[type] | promoted); to != 0;) {
            const int square = PopLowest(to);
            const bool found = AnyBoardTrial(type, s, from, square, [&](const SearchMove& m) {
                const int placed = m.promote == 1 ? type + PromotionOffset : type;
                if (uncovers ? !verify && !GivesCheck(b, s, m, k)
                             : !(checks.of[placed] & Bit(square)))
                    return false;
                return mates(m, placed);
            });
            if (found)
                return true;
        }
    }
    for (int type = Pawn; type <= HandTypeCount; ++type) {
        if (b.hand[SideIndex(s)][type] == 0)
            continue;
        Bitboard reach = IsRanging(type) ? AllSquares : near;
        if (mateAtOnce)
            reach &= CoveringSquares(s, type, flights, occupied & ~Bit(k));
        for (Bitboard to = DropTargets(b, s, type) & reach & checks.of[type]; to != 0;)
            if (mates(SearchMove { 0, int8_t(PopLowest(to)), int8_t(type), 0 }, type))
                return true;
    }
    return false;
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
    const int r = -s, k = b.king[SideIndex(s)];
    auto survives = [&](const SearchMove& m) {
        const SearchBoard next = After(b, r, m);
        return !KingAttacked(next, r) && !FindMate(next, s, 4);
    };
    auto every = [](int, int, Bitboard to) { return to; };
    auto everyDrop = [](int, Bitboard to) { return to; };
    if (KingAttacked(b, s))
        return !AnyMove(b, r, every, everyDrop, survives);
    // One surviving reply settles it, so the replies that most likely survive, and whose mate
    // search is short, go first: checks, after which every attacking move must also end the
    // check, then captures, which take attackers off the board, then the rest.
    const Bitboard attackers = b.side[SideIndex(s)];
    auto kind = [&](const SearchMove& m) {
        return GivesCheck(b, r, m, k) ? 0 : m.dropType == 0 && (attackers & Bit(m.to)) ? 1 : 2;
    };
    for (int wanted = 0; wanted <= 2; ++wanted) {
        auto ofKind = [&](const SearchMove& m) { return kind(m) == wanted && survives(m); };
        if (AnyMove(b, r, every, everyDrop, ofKind))
            return false;
    }
    return true;
}

// The searches read only the position; material plays no part in them.
bool FindMate(int p, int s, int d) { return FindMate(LoadBoard(p, 0), s, d); }
bool FindEscape(int p, int s, int d) { return FindEscape(LoadBoard(p, 0), s, d); }
int32_t ClassifyMateMove(int p, int s, int32_t best)
{
    return ClassifyMateMove(LoadBoard(p, 0), s, best);
}
bool EveryReplyMated(int p, int s) { return EveryReplyMated(LoadBoard(p, 0), s); }
