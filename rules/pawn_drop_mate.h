#pragma once

#include "moves.h"

// Standard minishogi forbids a pawn drop that gives mate; Velmora's own game allows it. The rule
// is stated here once for every representation of a position: a legal pawn drop mates when it
// checks the enemy king and the enemy then has no legal reply. Each representation (the rules'
// plies, the engine's boards) answers the two questions in its own way; the rule does not
// change with it.
template <typename ChecksEnemyKing, typename EnemyHasLegalReply>
bool PawnDropMates(ChecksEnemyKing&& checksEnemyKing, EnemyHasLegalReply&& enemyHasLegalReply)
{
    return checksEnemyKing() && !enemyHasLegalReply();
}

// Whether the legal move m of side s at ply p is a pawn drop that mates. Writes plies p + 1 and
// p + 2 (p up to MaxPly - 2); ply p + 1 then holds the position after the move.
bool IsPawnDropMate(int p, int s, const Move& m);
