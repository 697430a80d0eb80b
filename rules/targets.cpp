#include "targets.h"

#include "ply_stack.h"
#include "rule_tables.h"

#include <cstring>

namespace {

// Promotion is offered when a piece enters or leaves its far row; only a pawn reaching it
// (by a step, pawns never slide) is forced.
int PromotionCode(int type, int side, int fromY, int toY, bool step)
{
    if (!IsPromotable(type) || (toY != FarRow(side) && fromY != FarRow(side)))
        return TargetMove;
    return step && type == Pawn ? TargetPromoteForced : TargetPromoteOptional;
}

void GenerateBoardTargets(int p, int x, int y)
{
    const int code = Position[p][x][y];
    const int s = SideOf(code);
    const int t = code * s;
    for (int d = 1; d <= DirectionCount; ++d) {
        const int kind = MoveTable[t][d];
        if (kind == MoveNone)
            continue;
        const int dx = DirectionX[d] * s, dy = DirectionY[d] * s;
        for (int tx = x + dx, ty = y + dy; OnBoard(tx, ty); tx += dx, ty += dy) {
            const int held = Position[p][tx][ty];
            if (held * s > 0) {
                TargetMap[p][tx][ty] = TargetOwnPiece;
                break;
            }
            TargetMap[p][tx][ty] = PromotionCode(t, s, y, ty, kind == MoveStep);
            if (kind == MoveStep || held != 0)
                break;
        }
    }
}

void GenerateDropTargets(int p, int type, int handRow)
{
    const int s = handRow == HandRow(Sente) ? Sente : Gote;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (Position[p][x][y] == 0)
                TargetMap[p][x][y] = TargetMove;
    if (type != Pawn)
        return;
    for (int x = 1; x <= BoardSize; ++x) {
        // A pawn may not be dropped where it could never move again.
        TargetMap[p][x][FarRow(s)] = TargetNone;
        // Nor into a column that already holds an unpromoted pawn of its side.
        for (int y = 1; y <= BoardSize; ++y)
            if (Position[p][x][y] == s * Pawn) {
                std::memcpy(TargetMap[p][x], TargetMap[0][x], sizeof TargetMap[p][x]);
                break;
            }
    }
}

} // namespace

void GenerateTargets(int p, int x, int y)
{
    std::memcpy(TargetMap[p], TargetMap[0], sizeof TargetMap[p]);
    if (y <= BoardSize)
        GenerateBoardTargets(p, x, y);
    else
        GenerateDropTargets(p, x, y);
}
