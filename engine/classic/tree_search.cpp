#include "tree_search.h"

#include "engine/board/pseudo_legal_moves.h"
#include "rules/rule_tables.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace {

// The material after side s's move, seen from s, as Play would leave it.
int32_t MaterialAfter(const SearchBoard& b, int s, const SearchMove& m)
{
    int32_t material = b.material * s;
    if (m.dropType != 0)
        return material;
    if (m.promote == 1)
        material += PromotionGain(b.code[m.from] * s);
    const int victim = -b.code[m.to] * s;
    if (victim > 0)
        material += CaptureGain(victim);
    return material;
}

constexpr int MaxCaptures = 64;

// Visits the captures of side s, the most valuable victim first, until the visitor returns true:
// tried first, they decide most cut-offs early.
template <typename Visit> bool AnyCapture(const SearchBoard& b, int s, Visit&& visit)
{
    const Bitboard own = b.side[SideIndex(s)], enemy = b.side[SideIndex(-s)];
    const Bitboard occupied = own | enemy;
    struct Capture {
        int32_t gain;
        int8_t from, to;
    };
    Capture captures[MaxCaptures];
    int count = 0;
    for (Bitboard pieces = own; pieces != 0;) {
        const int from = PopLowest(pieces);
        for (Bitboard to = PieceAttacks(b.code[from], from, occupied) & enemy; to != 0;) {
            const int square = PopLowest(to);
            Capture c { CaptureGain(-b.code[square] * s), int8_t(from), int8_t(square) };
            int i = count++;
            for (; i > 0 && captures[i - 1].gain < c.gain; --i)
                captures[i] = captures[i - 1];
            captures[i] = c;
        }
    }
    for (int i = 0; i < count; ++i)
        if (AnyBoardTrial(b.code[captures[i].from] * s, s, captures[i].from, captures[i].to, visit))
            return true;
    return false;
}

// Visits the moves of side s that capture nothing, promotions included: first those onto squares
// that no enemy piece reaches, which hang nothing there and so most often keep the value.
template <typename Visit> bool AnyNonCapture(const SearchBoard& b, int s, Visit&& visit)
{
    const Bitboard enemy = b.side[SideIndex(-s)];
    const Bitboard unreached = ~Reach(b, -s, Occupied(b)) & ~enemy;
    for (const Bitboard part : { unreached, ~unreached & ~enemy }) {
        auto board = [part](int, int, Bitboard to) { return to & part; };
        auto drops = [part](int, Bitboard to) { return to & part; };
        if (AnyMove(b, s, board, drops, visit))
            return true;
    }
    return false;
}

// Visits the promotions of side s that capture nothing.
template <typename Visit> bool AnyQuietPromotion(const SearchBoard& b, int s, Visit&& visit)
{
    const Bitboard own = b.side[SideIndex(s)], occupied = Occupied(b);
    for (Bitboard pieces = own; pieces != 0;) {
        const int from = PopLowest(pieces);
        const int type = b.code[from] * s;
        if (!IsPromotable(type))
            continue;
        for (Bitboard to = PieceAttacks(b.code[from], from, occupied) & ~occupied; to != 0;) {
            const int square = PopLowest(to);
            if (DestinationCode(type, s, from, square) != TargetMove
                && visit(SearchMove { int8_t(from), int8_t(square), 0, 1 }))
                return true;
        }
    }
    return false;
}

// Visits the moves of side s that leave the material as it is: plain moves onto empty squares
// and drops.
template <typename Visit> bool AnyMaterialNeutral(const SearchBoard& b, int s, Visit&& visit)
{
    return AnyNonCapture(b, s, [&](const SearchMove& m) { return m.promote != 1 && visit(m); });
}

// Depth 2: every move ends in a leaf. A leaf never falls below its material, so a move is worth
// at most the material it leaves, and a move whose material cannot beat what is already known
// needs no leaf. Such bounds are gathered in skipped, so that a result at or below alpha still
// bounds the value from above.
int32_t SearchAboveLeaves(const SearchBoard& b, int s, int32_t alpha, int32_t beta)
{
    int32_t best = NoMoveValue, skipped = NoMoveValue;
    auto cannotBeat = [&](int32_t material) { return material <= std::max(alpha, best); };
    auto tryMove = [&](const SearchMove& m) {
        const int32_t material = MaterialAfter(b, s, m);
        if (std::abs(material) >= KingCaptureThreshold) {
            best = std::max(best, material);
        } else if (cannotBeat(material)) {
            skipped = std::max(skipped, material);
        } else {
            SearchBoard next = b;
            Play(next, s, m);
            best = std::max(best, -LeafValue(next, -s));
        }
        return best >= beta;
    };
    if (AnyCapture(b, s, tryMove) || AnyQuietPromotion(b, s, tryMove))
        return best;
    // Every other move leaves the material unchanged: worth trying only until one reaches it.
    const int32_t unchanged = b.material * s;
    auto tryNeutral = [&](const SearchMove& m) { return cannotBeat(unchanged) || tryMove(m); };
    if (AnyMaterialNeutral(b, s, tryNeutral) && best >= beta)
        return best;
    if (cannotBeat(unchanged))
        skipped = std::max(skipped, unchanged);
    return std::max(best, skipped);
}

} // namespace

int32_t LeafValue(const SearchBoard& b, int s)
{
    const int32_t material = b.material * s;
    int32_t best = material;
    const Bitboard own = b.side[SideIndex(s)], enemy = b.side[SideIndex(-s)];
    const Bitboard occupied = own | enemy;
    // Only squares that no enemy piece reaches count, so nothing there can be taken back.
    const Bitboard safe = ~Reach(b, -s, occupied) & ~own;
    const Bitboard far = Attacks.farRow[SideIndex(s)];
    for (Bitboard pieces = own; pieces != 0;) {
        const int from = PopLowest(pieces);
        const int t = b.code[from] * s;
        const Bitboard targets = PieceAttacks(b.code[from], from, occupied) & safe;
        Bitboard promoting = 0;
        if (IsPromotable(t))
            promoting = Bit(from) & far ? targets : targets & far;
        for (Bitboard to = targets & (enemy | promoting); to != 0;) {
            const int square = PopLowest(to);
            int32_t gain = material;
            if (promoting & Bit(square))
                gain += PromotionGain(t);
            if (enemy & Bit(square))
                gain += CaptureGain(-b.code[square] * s);
            if (gain > best)
                best = gain;
        }
    }
    return best;
}

int32_t SearchValue(const SearchBoard& b, int s, int d, int32_t alpha, int32_t beta)
{
    if (d == 1)
        return LeafValue(b, s);
    if (d == 2)
        return SearchAboveLeaves(b, s, alpha, beta);
    int32_t best = NoMoveValue;
    auto tryMove = [&](const SearchMove& m) {
        SearchBoard next = b;
        Play(next, s, m);
        const int32_t value = std::abs(next.material) >= KingCaptureThreshold
            ? next.material * s
            : -SearchValue(next, -s, d - 1, -beta, -std::max(alpha, best));
        best = std::max(best, value);
        return best >= beta;
    };
    AnyCapture(b, s, tryMove) || AnyNonCapture(b, s, tryMove);
    return best;
}
