#pragma once

#include "check_geometry.h"
#include "pseudo_legal_moves.h"

#include "rules/rule_set.h"

#include <cstdint>

// Legal moves on search boards without making them: the pieces that give check and the pieces
// pinned to the king tell at once which destinations keep the own king safe.

// What the own king's safety allows side s: where a non-king piece may go, and for a pinned
// piece the line it must stay on.
struct KingSafety {
    int king;
    Bitboard checkers;
    Bitboard blockable; // the checker and the squares between it and the king; all with no check
    Bitboard pinned;
    Bitboard pinLine[SquareCount]; // for a pinned piece: the squares up to and with its pinner
};

KingSafety ReadKingSafety(const SearchBoard& b, int s);

// The destinations of the piece of side s on square from that leave the own king safe.
inline Bitboard SafeTargets(const SearchBoard& b, int s, int from, const KingSafety& safety)
{
    const Bitboard own = b.side[SideIndex(s)], occupied = Occupied(b);
    Bitboard to = PieceAttacks(b.code[from], from, occupied) & ~own;
    if (from == safety.king) {
        // The king must not step into an attack, nor along the line of a slider checking it.
        const Bitboard lifted = occupied & ~Bit(from);
        for (Bitboard left = to; left != 0;) {
            const int square = PopLowest(left);
            if (IsAttacked(b, square, -s, lifted | Bit(square)))
                to &= ~Bit(square);
        }
        return to;
    }
    to &= safety.blockable;
    if (safety.pinned & Bit(from))
        to &= safety.pinLine[from];
    return to;
}

// The empty squares where a drop keeps the own king safe: any with no check, the squares between
// a lone sliding checker and the king otherwise.
inline Bitboard SafeDropSquares(const SearchBoard& b, const KingSafety& safety)
{
    // The checker's own square is occupied, so only the squares between remain.
    return ~Occupied(b) & safety.blockable;
}

// Whether side s's pawn drop on the square is a pawn drop that mates, on the engine's board.
bool IsPawnDropMate(const SearchBoard& b, int s, int to);

// Whether side s has a legal move at all.
bool HasLegalMove(const SearchBoard& b, int s, const RuleSet& rules);

// Visits side s's drops of the type onto the squares until the visitor returns true, leaving out
// pawn drops that mate where the rules forbid them.
template <typename Visit>
bool AnyDrop(
    const SearchBoard& b, int s, int type, Bitboard squares, const RuleSet& rules, Visit&& visit)
{
    for (Bitboard to = squares; to != 0;) {
        const int square = PopLowest(to);
        if (type == Pawn && !rules.pawnDropMateLegal && IsPawnDropMate(b, s, square))
            continue;
        if (visit(SearchMove { 0, int8_t(square), int8_t(type), 0 }))
            return true;
    }
    return false;
}

// Visits the legal moves of side s until the visitor returns true, in the order the rules list
// them: source columns x = 1..5, in each the board squares top to bottom and then the hand's
// pieces of type x, destinations by square number, a move without promotion before the promoted
// one. Pawn drops that mate are left out where the rules forbid them.
template <typename Visit>
bool AnyLegalMove(const SearchBoard& b, int s, const RuleSet& rules, Visit&& visit)
{
    const KingSafety safety = ReadKingSafety(b, s);
    const Bitboard own = b.side[SideIndex(s)];
    const Bitboard drops = SafeDropSquares(b, safety);
    for (int x = 1; x <= BoardSize; ++x) {
        for (Bitboard pieces = own & Attacks.column[x]; pieces != 0;) {
            const int from = PopLowest(pieces);
            const int type = b.code[from] * s;
            for (Bitboard to = SafeTargets(b, s, from, safety); to != 0;)
                if (AnyBoardTrial(type, s, from, PopLowest(to), visit))
                    return true;
        }
        const int type = x;
        if (b.hand[SideIndex(s)][type] == 0)
            continue;
        if (AnyDrop(b, s, type, DropTargets(b, s, type) & drops, rules, visit))
            return true;
    }
    return false;
}

// How many legal moves side s has, counted by square sets rather than one by one.
uint64_t CountLegalMoves(const SearchBoard& b, int s, const RuleSet& rules);

// Visits the legal moves of side s that check the enemy king, which must not be in check yet,
// until the visitor returns true. Only moves that land on a checking square or move a piece off
// a line between an own slider and the king are looked at.
template <typename Visit>
bool AnyLegalCheck(const SearchBoard& b, int s, const RuleSet& rules, Visit&& visit)
{
    const KingSafety safety = ReadKingSafety(b, s);
    const int enemyKing = b.king[SideIndex(-s)];
    const CheckSquares checks = DirectCheckSquares(b, s, enemyKing);
    const Bitboard uncoverers = LoneBlockers(b, s, s, enemyKing);
    for (Bitboard pieces = b.side[SideIndex(s)]; pieces != 0;) {
        const int from = PopLowest(pieces);
        const int type = b.code[from] * s;
        const bool uncovers = (uncoverers & Bit(from)) != 0;
        Bitboard to = SafeTargets(b, s, from, safety);
        if (!uncovers)
            to &= checks.of[type] | (IsPromotable(type) ? checks.of[type + PromotionOffset] : 0);
        while (to != 0) {
            const int square = PopLowest(to);
            const bool stop = AnyBoardTrial(type, s, from, square, [&](const SearchMove& m) {
                const int placed = m.promote == 1 ? type + PromotionOffset : type;
                const bool gives = uncovers ? GivesCheck(b, s, m, enemyKing)
                                            : (checks.of[placed] & Bit(square)) != 0;
                return gives && visit(m);
            });
            if (stop)
                return true;
        }
    }
    const Bitboard drops = SafeDropSquares(b, safety);
    for (int type = Pawn; type <= HandTypeCount; ++type) {
        if (b.hand[SideIndex(s)][type] == 0)
            continue;
        if (AnyDrop(b, s, type, DropTargets(b, s, type) & drops & checks.of[type], rules, visit))
            return true;
    }
    return false;
}
