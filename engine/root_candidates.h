#pragma once

#include "rules/make_move.h"
#include "rules/moves.h"

// Walks the computer's candidate moves for side s on ply 1 and makes each into ply 2 before
// handing it to judge. The root tries fewer promotion variants than the searches: a silver
// both ways (plain first), every other promotable piece only promoted when it may promote.
template <typename Judge> void ForEachRootCandidate(int s, Judge&& judge)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= GridRows; ++y) {
            if (!IsSource(1, s, x, y))
                continue;
            GenerateTargets(1, x, y);
            const bool silver = y <= BoardSize && Position[1][x][y] == Silver * s;
            for (int tx = 1; tx <= BoardSize; ++tx)
                for (int ty = 1; ty <= BoardSize; ++ty) {
                    const int code = TargetMap[1][tx][ty];
                    auto judgeVariant = [&](int promote) {
                        CopyPly(1);
                        MakeMove(2, x, y, tx, ty, promote);
                        judge(Move { int8_t(x), int8_t(y), int8_t(tx), int8_t(ty), int8_t(promote) });
                    };
                    if (code == TargetMove || (code == TargetPromoteOptional && silver))
                        judgeVariant(0);
                    if (code == TargetPromoteOptional || code == TargetPromoteForced)
                        judgeVariant(1);
                }
        }
}
