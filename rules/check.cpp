#include "check.h"

#include "ply_stack.h"
#include "rule_tables.h"

// An enemy piece of type t attacks the king exactly when a piece of type t of the king's side,
// standing on the king's square, could move to the enemy's square; so we look outward from the
// king.
bool IsKingAttacked(int p, int s)
{
    const int kx = KingX[p][SideIndex(s)], ky = KingY[p][SideIndex(s)];
    for (int t = 1; t <= PieceTypeCount; ++t) {
        if (!CheckerFlags[p][SideIndex(s)][t])
            continue;
        const int attacker = -t * s;
        for (int d = 1; d <= DirectionCount; ++d) {
            const int kind = MoveTable[t][d];
            if (kind == MoveNone)
                continue;
            const int dx = DirectionX[d] * s, dy = DirectionY[d] * s;
            for (int x = kx + dx, y = ky + dy; OnBoard(x, y); x += dx, y += dy) {
                const int held = Position[p][x][y];
                if (held == attacker)
                    return true;
                if (kind == MoveStep || held != 0)
                    break;
            }
        }
    }
    return false;
}
