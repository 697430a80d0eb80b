#include "mate_search.h"

#include "engine/board/check_geometry.h"
#include "engine/board/pseudo_legal_moves.h"

namespace {

// One level of FindMate: side s looks for a check after which the defender has no escape within
// depth - 1. The enemy king is not attacked yet, so a move checks exactly when the piece lands on
// a checking square or uncovers a slider, and only those moves are made; none of them can take a
// king.
class MateByChecks {
public:
    MateByChecks(const SearchBoard& b, int s, int depth)
        : b_(b)
        , s_(s)
        , depth_(depth)
        , k_(b.king[SideIndex(-s)])
        , near_(Attacks.near[k_])
        , checks_(DirectCheckSquares(b, s, k_))
        , uncoverers_(LoneBlockers(b, s, s, k_))
        , mateAtOnce_(depth <= 3)
        , flights_(mateAtOnce_ ? KingFlights() : 0)
    {
    }

    bool Found() const { return AnyBoardCheckMates() || AnyDropCheckMates(); }

private:
    // The enemy king's free steps that no piece of the attacker reaches with the king lifted off
    // the board, before the move: a mate at once must take them all.
    Bitboard KingFlights() const
    {
        const Bitboard threatened = Reach(b_, s_, Occupied(b_) & ~Bit(k_));
        return Attacks.step[0][King][k_] & ~b_.side[SideIndex(-s_)] & ~threatened;
    }

    // Pieces that check only from next to the king are tried only there; the king never moves.
    bool AnyBoardCheckMates() const
    {
        const Bitboard own = b_.side[SideIndex(s_)], occupied = Occupied(b_);
        for (Bitboard pieces = own & ~b_.type[King]; pieces != 0;) {
            const int from = PopLowest(pieces);
            const int type = b_.code[from] * s_;
            Bitboard reach = PieceAttacks(b_.code[from], from, occupied) & ~own;
            if (!IsRanging(type))
                reach &= near_;
            const bool uncovers = uncoverers_ & Bit(from);
            const Bitboard promoted = IsPromotable(type) ? checks_.of[type + PromotionOffset] : 0;
            for (Bitboard to = uncovers ? reach : reach & (checks_.of[type] | promoted); to != 0;) {
                const int square = PopLowest(to);
                const bool found = AnyBoardTrial(type, s_, from, square, [&](const SearchMove& m) {
                    const int placed = m.promote == 1 ? type + PromotionOffset : type;
                    if (uncovers ? !GivesCheck(b_, s_, m, k_) : !(checks_.of[placed] & Bit(square)))
                        return false;
                    return Mates(m, placed);
                });
                if (found)
                    return true;
            }
        }
        return false;
    }

    bool AnyDropCheckMates() const
    {
        for (int type = Pawn; type <= HandTypeCount; ++type) {
            if (b_.hand[SideIndex(s_)][type] == 0)
                continue;
            Bitboard reach = IsRanging(type) ? AllSquares : near_;
            if (mateAtOnce_)
                reach &= CoveringSquares(s_, type, flights_, Occupied(b_) & ~Bit(k_));
            for (Bitboard to = DropTargets(b_, s_, type) & reach & checks_.of[type]; to != 0;)
                if (Mates(SearchMove { 0, int8_t(PopLowest(to)), int8_t(type), 0 }, type))
                    return true;
        }
        return false;
    }

    // Whether the checking move m, which leaves a piece of type placed, mates within the depth.
    bool Mates(const SearchMove& m, int placed) const
    {
        // A mate at once needs a king without a flight square; most checks leave it one.
        if (mateAtOnce_ && KingSurelyStepsAway(b_, s_, m, placed, k_, flights_))
            return false;
        const SearchBoard next = After(b_, s_, m);
        if (MayExposeOwnKing(m) && KingAttacked(next, s_))
            return false;
        return !FindEscape(next, -s_, depth_ - 1);
    }

    // A move can expose the own king only when the piece stood alone between it and an enemy
    // slider, unless the king is in check already; a drop never can. Asked only once a move gets
    // that far.
    bool MayExposeOwnKing(const SearchMove& m) const
    {
        if (!ownKnown_) {
            ownChecked_ = KingAttacked(b_, s_);
            exposing_ = LoneBlockers(b_, -s_, s_, b_.king[SideIndex(s_)]);
            ownKnown_ = true;
        }
        return ownChecked_ || (m.dropType == 0 && (exposing_ & Bit(m.from)));
    }

    const SearchBoard& b_;
    const int s_, depth_, k_;
    const Bitboard near_;
    const CheckSquares checks_;
    const Bitboard uncoverers_;
    const bool mateAtOnce_;
    const Bitboard flights_;
    mutable bool ownKnown_ = false, ownChecked_ = false;
    mutable Bitboard exposing_ = 0;
};

} // namespace

bool FindMate(const SearchBoard& b, int s, int d)
{
    // Below depth 2 every check is tried and then rejected. A king that can already be taken
    // needs no mate; asking for one is answered before any move could take it.
    return d > 1 && (KingAttacked(b, -s) || MateByChecks(b, s, d).Found());
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
    // A move that leaves the own king attacked is answered by taking the king, and no mate
    // follows; asking is answered before any reply could take it.
    if (KingAttacked(b, s))
        return false;
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

// The search reads only the position; material plays no part in it.
bool FindEscape(int p, int s, int d) { return FindEscape(LoadBoard(p, 0), s, d); }
