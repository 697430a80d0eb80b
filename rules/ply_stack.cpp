#include "ply_stack.h"

#include "rule_tables.h"

#include <cstdlib>
#include <cstring>

int8_t Position[PlyCount][BoardSize + 1][GridRows + 1];
int8_t TargetMap[PlyCount][BoardSize + 1][BoardSize + 1];
bool CheckerFlags[PlyCount][SideSlots][PieceTypeCount + 1];
int8_t KingX[PlyCount][SideSlots];
int8_t KingY[PlyCount][SideSlots];

void CopyPly(int p)
{
    std::memcpy(Position[p + 1], Position[p], sizeof Position[p]);
    std::memcpy(KingX[p + 1], KingX[p], sizeof KingX[p]);
    std::memcpy(KingY[p + 1], KingY[p], sizeof KingY[p]);
}

void UpdateCheckerFlags(int p)
{
    std::memcpy(CheckerFlags[p], CheckerFlags[0], sizeof CheckerFlags[p]);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int q = Position[p][x][y];
            if (q == 0)
                continue;
            const int s = -SideOf(q); // the side whose king this piece may attack
            const int t = std::abs(q);
            if (IsRanging(t)
                || (std::abs(x - KingX[p][SideIndex(s)]) <= 1
                    && std::abs(y - KingY[p][SideIndex(s)]) <= 1))
                CheckerFlags[p][SideIndex(s)][t] = true;
        }
}
