#pragma once

#include "legal_moves.h"

#include "rules/rule_set.h"

#include <cstdint>

// A fixed-size list of moves with ordering scores: no position has more legal moves than this.
struct MoveList {
    static constexpr int Capacity = 256;
    SearchMove moves[Capacity];
    int32_t scores[Capacity];
    int size = 0;

    void Add(const SearchMove& m) { moves[size++] = m; }
};

// Every legal move of side s under the rules.
inline void GenerateLegalMoves(const SearchBoard& b, int s, const RuleSet& rules, MoveList& list)
{
    list.size = 0;
    AnyLegalMove(b, s, rules, [&](const SearchMove& m) {
        list.Add(m);
        return false;
    });
}

// The legal moves of side s, not in check, that take a piece or promote: what quiescence tries.
inline void GenerateTacticalMoves(const SearchBoard& b, int s, MoveList& list)
{
    list.size = 0;
    const KingSafety safety = ReadKingSafety(b, s);
    const Bitboard enemy = b.side[SideIndex(-s)], far = Attacks.farRow[SideIndex(s)];
    for (Bitboard pieces = b.side[SideIndex(s)]; pieces != 0;) {
        const int from = PopLowest(pieces);
        const int type = b.code[from] * s;
        Bitboard to = SafeTargets(b, s, from, safety);
        if (!IsPromotable(type) || (Bit(from) & far) == 0)
            to &= enemy | (IsPromotable(type) ? far : 0);
        for (; to != 0;) {
            const int square = PopLowest(to);
            const bool takes = (enemy & Bit(square)) != 0;
            AnyBoardTrial(type, s, from, square, [&](const SearchMove& m) {
                if (takes || m.promote == 1)
                    list.Add(m);
                return false;
            });
        }
    }
}
