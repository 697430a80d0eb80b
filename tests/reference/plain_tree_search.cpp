#include "tests/reference/plain_engine.h"

#include "engine/classic/material.h"
#include "engine/classic/tree_search.h"
#include "rules/make_move.h"
#include "rules/moves.h"
#include "rules/rule_tables.h"
#include "tests/reference/material_plies.h"

#include <cstdlib>

namespace plain {

int32_t SearchValue(int p, int s, int d)
{
    if (d == 1)
        return LeafValue(p, s);
    int32_t best = NoMoveValue;
    ForEachMove(p, s, [&](const Move& move) {
        CopyPlyFast(p);
        MakeMoveFast(p + 1, move.fromX, move.fromY, move.toX, move.toY, move.promote);
        const int32_t m = MaterialScore[p + 1];
        const int32_t value
            = std::abs(m) >= KingCaptureThreshold ? m * s : -SearchValue(p + 1, -s, d - 1);
        if (value > best)
            best = value;
    });
    return best;
}

int32_t LeafValue(int p, int s)
{
    const int32_t material = MaterialScore[p] * s;
    int32_t best = material;
    BuildControlMap(p);
    const uint8_t(&enemyReach)[BoardSize + 1][BoardSize + 1] = ControlMap[p][SideIndex(-s)];
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int t = Position[p][x][y] * s;
            if (t <= 0)
                continue;
            GenerateTargets(p, x, y);
            for (int tx = 1; tx <= BoardSize; ++tx)
                for (int ty = 1; ty <= BoardSize; ++ty) {
                    const int code = TargetMap[p][tx][ty];
                    if (code <= TargetNone || enemyReach[tx][ty] != 0)
                        continue;
                    int32_t gain = material;
                    if (code == TargetPromoteOptional || code == TargetPromoteForced)
                        gain += PromotionGain(t);
                    const int victim = -Position[p][tx][ty] * s;
                    if (victim > 0)
                        gain += CaptureGain(victim);
                    if (gain > best)
                        best = gain;
                }
        }
    return best;
}

} // namespace plain
