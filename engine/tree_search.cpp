#include "tree_search.h"

#include "search_moves.h"

#include "rules/ply_stack.h"
#include "rules/rule_tables.h"

#include <algorithm>
#include <cstdlib>

namespace {

// What capturing a piece of the type adds for the captor: it leaves the board and enters the
// captor's hand demoted.
int32_t CaptureGain(int type)
{
    if (type > PromotionOffset)
        return PieceValueTable[type] + PieceValueTable[type - PromotionOffset];
    return 2 * PieceValueTable[type];
}

int32_t PromotionGain(int type)
{
    return PieceValueTable[type + PromotionOffset] - PieceValueTable[type];
}

// The material after side s's move, seen from s, as MakeMoveFast would leave it.
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

// Captures are tried first, the most valuable victim first: they decide most cut-offs early.
// Returns true as soon as the visitor does.
template <typename Visit> bool AnyCaptureFirst(const SearchBoard& b, int s, Visit&& visit)
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
    auto quiet = [&](int, int, Bitboard to) { return to & ~enemy; };
    auto drops = [](int, Bitboard to) { return to; };
    return AnyMove(b, s, quiet, drops, visit);
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
    int32_t best = NoMoveValue;
    // A leaf never falls below its material, so above a leaf a move is worth at most the
    // material it leaves. A move whose material cannot beat what is already known needs no
    // leaf; the highest such bound is kept so that a result below alpha still bounds the value.
    int32_t skipped = NoMoveValue;
    AnyCaptureFirst(b, s, [&](const SearchMove& m) {
        const int32_t material = MaterialAfter(b, s, m);
        if (std::abs(material) >= KingCaptureThreshold) {
            best = std::max(best, material);
        } else if (d == 2 && material <= std::max(alpha, best)) {
            skipped = std::max(skipped, material);
        } else {
            SearchBoard next = b;
            Play(next, s, m);
            best = std::max(best, -SearchValue(next, -s, d - 1, -beta, -std::max(alpha, best)));
        }
        return best >= beta;
    });
    return std::max(best, skipped);
}

int32_t SearchValue(int p, int s, int d)
{
    return SearchValue(LoadBoard(p, MaterialScore[p]), s, d, -UnboundedValue, UnboundedValue);
}

int32_t LeafValue(int p, int s) { return LeafValue(LoadBoard(p, MaterialScore[p]), s); }
