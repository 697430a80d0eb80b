#pragma once

#include "pieces.h"
#include "ply_stack.h"
#include "targets.h"

#include <cstdint>

// A move as the rules make it: a board source (fromY 1..5) or a hand cell (fromY 6 or 7,
// fromX the type dropped), a board destination and a promotion flag (1 promotes).
struct Move {
    int8_t fromX = 0, fromY = 0, toX = 0, toY = 0, promote = 0;
    friend bool operator==(const Move&, const Move&) = default;
};

// Whether the cell (x, y) of ply p is a source for side s: an own board piece,
// or a non-empty slot of its own hand.
inline bool IsSource(int p, int s, int x, int y)
{
    if (y <= BoardSize)
        return Position[p][x][y] * s > 0;
    return y == HandRow(s) && Position[p][x][y] > 0;
}

// Visits every move of side s in ply p in the fixed scan order: sources x = 1..5, y = 1..7,
// destinations tx = 1..5, ty = 1..5, an optional promotion plain before promoted. Uses the ply's
// TargetMap, which the visitor must leave alone; it may write higher plies.
template <typename Visit> void ForEachMove(int p, int s, Visit&& visit)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= GridRows; ++y) {
            if (!IsSource(p, s, x, y))
                continue;
            GenerateTargets(p, x, y);
            for (int tx = 1; tx <= BoardSize; ++tx)
                for (int ty = 1; ty <= BoardSize; ++ty) {
                    const int code = TargetMap[p][tx][ty];
                    auto move = [&](int promote) {
                        visit(
                            Move { int8_t(x), int8_t(y), int8_t(tx), int8_t(ty), int8_t(promote) });
                    };
                    if (code == TargetMove || code == TargetPromoteOptional)
                        move(0);
                    if (code == TargetPromoteOptional || code == TargetPromoteForced)
                        move(1);
                }
        }
}
