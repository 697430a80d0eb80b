#include "legal_moves.h"

#include "rules/pawn_drop_mate.h"

KingSafety ReadKingSafety(const SearchBoard& b, int s)
{
    KingSafety safety;
    const int k = b.king[SideIndex(s)];
    const Bitboard occupied = Occupied(b), own = b.side[SideIndex(s)];
    safety.king = k;
    safety.checkers = AttackersOf(b, k, -s, occupied);
    if (safety.checkers == 0)
        safety.blockable = AllSquares;
    else if ((safety.checkers & (safety.checkers - 1)) == 0)
        safety.blockable = safety.checkers | Attacks.between[k][std::countr_zero(safety.checkers)];
    else
        safety.blockable = 0; // a double check is only met by the king
    safety.pinned = 0;
    const Bitboard enemy = b.side[SideIndex(-s)];
    Bitboard snipers = enemy
        & (((b.type[Bishop] | b.type[Horse]) & Attacks.diagonalLines[k])
            | ((b.type[Rook] | b.type[Dragon]) & Attacks.orthogonalLines[k]));
    while (snipers != 0) {
        const int sniper = PopLowest(snipers);
        const Bitboard between = Attacks.between[k][sniper] & occupied;
        if (between == 0 || (between & (between - 1)) != 0 || (between & own) == 0)
            continue;
        const int piece = std::countr_zero(between);
        safety.pinned |= between;
        safety.pinLine[piece] = Attacks.between[k][sniper] | Bit(sniper);
    }
    return safety;
}

bool IsPawnDropMate(const SearchBoard& b, int s, int to)
{
    // A dropped pawn checks only the king right in front of it.
    const int enemyKing = b.king[SideIndex(-s)];
    return PawnDropMates(
        [&] { return (Attacks.step[SideIndex(-s)][Pawn][enemyKing] & Bit(to)) != 0; },
        [&] {
            const SearchBoard next = After(b, s, SearchMove { 0, int8_t(to), Pawn, 0 });
            // A king checked by a pawn next to it has nothing to interpose, so no drop of its own
            // counts, and the rules that never look at one will do.
            return HasLegalMove(next, -s, VelmoraRules);
        });
}

bool HasLegalMove(const SearchBoard& b, int s, const RuleSet& rules)
{
    return AnyLegalMove(b, s, rules, [](const SearchMove&) { return true; });
}

namespace {

// How many moves a piece of the type makes from its square to the squares, promotions counted: a
// silver, bishop or rook that enters or leaves the far row may move either way; a pawn there must
// promote.
int BoardMoveCount(int type, int s, int from, Bitboard to)
{
    const int squares = std::popcount(to);
    if (!IsPromotable(type) || type == Pawn)
        return squares;
    const Bitboard far = Attacks.farRow[SideIndex(s)];
    return squares + ((Bit(from) & far) != 0 ? squares : std::popcount(to & far));
}

} // namespace

uint64_t CountLegalMoves(const SearchBoard& b, int s, const RuleSet& rules)
{
    const KingSafety safety = ReadKingSafety(b, s);
    if (safety.checkers != 0) {
        // Checks are rare, so their evasions are simply listed.
        uint64_t count = 0;
        AnyLegalMove(b, s, rules, [&](const SearchMove&) { return ++count, false; });
        return count;
    }
    uint64_t count = 0;
    for (Bitboard pieces = b.side[SideIndex(s)]; pieces != 0;) {
        const int from = PopLowest(pieces);
        count += BoardMoveCount(b.code[from] * s, s, from, SafeTargets(b, s, from, safety));
    }
    for (int type = Pawn; type <= HandTypeCount; ++type)
        if (b.hand[SideIndex(s)][type] != 0)
            count += std::popcount(DropTargets(b, s, type));
    if (!rules.pawnDropMateLegal && b.hand[SideIndex(s)][Pawn] != 0) {
        // Only the square in front of the enemy king can hold a mating pawn.
        const Bitboard front = Attacks.step[SideIndex(-s)][Pawn][b.king[SideIndex(-s)]];
        if ((front & DropTargets(b, s, Pawn)) != 0 && IsPawnDropMate(b, s, std::countr_zero(front)))
            --count;
    }
    return count;
}
