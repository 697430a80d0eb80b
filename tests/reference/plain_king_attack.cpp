#include "tests/reference/plain_engine.h"

#include "rules/ply_stack.h"
#include "rules/rule_tables.h"

#include <cstring>

namespace plain {

void MarkCheckLines(int p, int s)
{
    const int kx = KingX[p][SideIndex(s)], ky = KingY[p][SideIndex(s)];
    std::memcpy(CheckLineMap[p], CheckLineMap[0], sizeof CheckLineMap[p]);
    for (int t = 1; t <= PieceTypeCount; ++t) {
        if (!CheckerFlags[p][SideIndex(s)][t])
            continue;
        const int checker = -t * s;
        for (int d = 1; d <= DirectionCount; ++d) {
            const int ex = DirectionX[d] * s, ey = DirectionY[d] * s;
            if (MoveTable[t][d] == MoveStep) {
                if (OnBoard(kx + ex, ky + ey) && Position[p][kx + ex][ky + ey] == checker)
                    CheckLineMap[p][kx + ex][ky + ey] = true;
            } else if (MoveTable[t][d] == MoveSlide) {
                int x = kx + ex, y = ky + ey;
                while (OnBoard(x, y) && Position[p][x][y] == 0)
                    x += ex, y += ey;
                if (!OnBoard(x, y) || Position[p][x][y] != checker)
                    continue;
                for (int mx = kx + ex, my = ky + ey;; mx += ex, my += ey) {
                    CheckLineMap[p][mx][my] = true;
                    if (mx == x && my == y)
                        break;
                }
            }
        }
    }
}

void MarkCheckCandidates(int p, int s)
{
    std::memcpy(CheckCandidateMap[p], CheckCandidateMap[0], sizeof CheckCandidateMap[p]);
    const int h = HandRow(s);
    for (int x = 1; x <= HandTypeCount; ++x)
        if (Position[p][x][h] > 0)
            CheckCandidateMap[p][x][h] = x == Bishop || x == Rook ? CandidateAny : CandidateNear;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int g = Position[p][x][y] * s;
            if (g > 0 && g != King)
                CheckCandidateMap[p][x][y] = IsRanging(g) ? CandidateAny : CandidateNear;
        }
}

} // namespace plain
