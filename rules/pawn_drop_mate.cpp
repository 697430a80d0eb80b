#include "pawn_drop_mate.h"

#include "check.h"
#include "legality.h"

bool IsPawnDropMate(int p, int s, const Move& m)
{
    if (m.fromY != HandRow(s) || m.fromX != Pawn)
        return false;
    return PawnDropMates([&] { return MakeMoveIfSafe(p, s, m) && IsKingAttacked(p + 1, -s); },
        [&] {
            bool escapes = false;
            ForEachMove(p + 1, -s,
                [&](const Move& reply) { escapes = escapes || MakeMoveIfSafe(p + 1, -s, reply); });
            return escapes;
        });
}
