#include "legality.h"

#include "check.h"
#include "make_move.h"
#include "pawn_drop_mate.h"

bool MakeMoveIfSafe(int p, int s, const Move& m)
{
    CopyPly(p);
    MakeMove(p + 1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
    return !IsKingAttacked(p + 1, s);
}

MoveVerdict JudgeMove(int p, int s, const Move& m, const RuleSet& rules)
{
    const bool inGrid = m.fromX >= 1 && m.fromX <= BoardSize && m.fromY >= 1 && m.fromY <= GridRows;
    if (!inGrid || !IsSource(p, s, m.fromX, m.fromY))
        return MoveVerdict::NotOwnPiece;
    if (!OnBoard(m.toX, m.toY))
        return MoveVerdict::Unreachable;
    GenerateTargets(p, m.fromX, m.fromY);
    const int code = TargetMap[p][m.toX][m.toY];
    if (code <= TargetNone)
        return MoveVerdict::Unreachable;
    if (code == TargetMove && m.promote == 1)
        return MoveVerdict::CannotPromote;
    if (code == TargetPromoteForced && m.promote != 1)
        return MoveVerdict::MustPromote;
    if (!MakeMoveIfSafe(p, s, m))
        return MoveVerdict::LeavesKingAttacked;
    if (!rules.pawnDropMateLegal && IsPawnDropMate(p, s, m))
        return MoveVerdict::PawnDropMate;
    return MoveVerdict::Legal;
}

const char* Describe(MoveVerdict verdict)
{
    switch (verdict) {
    case MoveVerdict::Legal:
        return "legal";
    case MoveVerdict::NotOwnPiece:
        return "the side to move has no such piece there or in hand";
    case MoveVerdict::Unreachable:
        return "the piece cannot go there";
    case MoveVerdict::MustPromote:
        return "the piece must promote there";
    case MoveVerdict::CannotPromote:
        return "the piece cannot promote on this move";
    case MoveVerdict::LeavesKingAttacked:
        return "it leaves the mover's own king attacked";
    case MoveVerdict::PawnDropMate:
        return "a pawn drop may not give mate";
    }
    return "";
}
