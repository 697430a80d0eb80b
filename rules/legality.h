#pragma once

#include "moves.h"
#include "rule_set.h"

// Makes the move of side s from ply p into ply p + 1 and tells whether the mover's own king
// is safe there. Ply p + 1 then holds the position after the move.
bool MakeMoveIfSafe(int p, int s, const Move& move);

enum class MoveVerdict {
    Legal,
    NotOwnPiece, // the source holds no piece of the mover, or the hand slot is empty
    Unreachable, // the piece cannot go there
    MustPromote,
    CannotPromote,
    LeavesKingAttacked,
    PawnDropMate, // a pawn drop that gives mate, where the rules forbid it
};

// Judges a move of side s in ply p against the rules. Overwrites the TargetMap of ply p
// and ply p + 1, which holds the position after a legal move; where the rules forbid a pawn drop
// that gives mate, a pawn drop also overwrites ply p + 2.
MoveVerdict JudgeMove(int p, int s, const Move& move, const RuleSet& rules);

// One line that says why a move was refused.
const char* Describe(MoveVerdict verdict);
