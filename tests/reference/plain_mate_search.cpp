#include "tests/reference/plain_engine.h"

#include "engine/classic/mate_search.h"
#include "rules/check.h"
#include "rules/make_move.h"
#include "rules/moves.h"
#include "tests/reference/plain_trials.h"

#include <cstdlib>

namespace plain {

namespace {

    void TryMove(int p, int x, int y, int tx, int ty, int promote)
    {
        CopyPly(p);
        MakeMove(p + 1, x, y, tx, ty, promote);
    }

    // The defender's board pieces other than the king, and its own hand slots that hold a piece.
    bool IsDefenderSource(int p, int s, int x, int y)
    {
        if (y <= BoardSize)
            return Position[p][x][y] * s > 0 && Position[p][x][y] != King * s;
        return y == HandRow(s) && Position[p][x][y] > 0;
    }

} // namespace

bool FindMate(int p, int s, int d)
{
    const int kx = KingX[p][SideIndex(-s)], ky = KingY[p][SideIndex(-s)];
    MarkCheckCandidates(p, s);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= GridRows; ++y) {
            const int candidate = CheckCandidateMap[p][x][y];
            if (candidate == CandidateNone)
                continue;
            GenerateTargets(p, x, y);
            for (int tx = 1; tx <= BoardSize; ++tx)
                for (int ty = 1; ty <= BoardSize; ++ty) {
                    const int code = TargetMap[p][tx][ty];
                    if (code <= TargetNone)
                        continue;
                    if (candidate == CandidateNear
                        && (std::abs(tx - kx) > 1 || std::abs(ty - ky) > 1))
                        continue;
                    const bool mates = AnyTrial(code, [&](int promote) {
                        TryMove(p, x, y, tx, ty, promote);
                        if (IsKingAttacked(p + 1, s) || !IsKingAttacked(p + 1, -s) || d <= 1)
                            return false;
                        return !FindEscape(p + 1, -s, d - 1);
                    });
                    if (mates)
                        return true;
                }
        }
    return false;
}

bool FindEscape(int p, int s, int d)
{
    MarkCheckLines(p, s);
    const int kx = KingX[p][SideIndex(s)], ky = KingY[p][SideIndex(s)];
    // A reply escapes when it leaves the king safe and the attacker then has no mate in time.
    auto escapes = [&](int x, int y, int tx, int ty, int promote) {
        TryMove(p, x, y, tx, ty, promote);
        if (IsKingAttacked(p + 1, s))
            return false;
        return d <= 0 || !FindMate(p + 1, -s, d - 1);
    };
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int tx = kx + dx, ty = ky + dy;
            if ((dx == 0 && dy == 0) || !OnBoard(tx, ty) || Position[p][tx][ty] * s > 0)
                continue;
            if (escapes(kx, ky, tx, ty, 0))
                return true;
        }
    // Every other way out captures a checker or interposes, so it ends on a check line.
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= GridRows; ++y) {
            if (!IsDefenderSource(p, s, x, y))
                continue;
            GenerateTargets(p, x, y);
            for (int tx = 1; tx <= BoardSize; ++tx)
                for (int ty = 1; ty <= BoardSize; ++ty) {
                    if (!CheckLineMap[p][tx][ty] || TargetMap[p][tx][ty] <= TargetNone)
                        continue;
                    if (AnyTrial(TargetMap[p][tx][ty],
                            [&](int promote) { return escapes(x, y, tx, ty, promote); }))
                        return true;
                }
        }
    return false;
}

int32_t ClassifyMateMove(int p, int s, int32_t best)
{
    if (best == MateAtOnce)
        return 0;
    if (IsKingAttacked(p, s))
        return OwnKingLeftAttacked;
    if (!IsKingAttacked(p, -s))
        return 0;
    if (!FindEscape(p, -s, 1))
        return MateAtOnce;
    if (best == MateInTwo)
        return 0;
    if (!FindEscape(p, -s, 3))
        return MateInTwo;
    if (best == MateInThree)
        return 0;
    if (!FindEscape(p, -s, 5))
        return MateInThree;
    return 0;
}

bool EveryReplyMated(int p, int s)
{
    const int r = -s;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= GridRows; ++y) {
            if (!IsSource(p, r, x, y))
                continue;
            GenerateTargets(p, x, y);
            for (int tx = 1; tx <= BoardSize; ++tx)
                for (int ty = 1; ty <= BoardSize; ++ty) {
                    const bool survives = AnyTrial(TargetMap[p][tx][ty], [&](int promote) {
                        TryMove(p, x, y, tx, ty, promote);
                        return !IsKingAttacked(p + 1, r) && !FindMate(p + 1, s, 4);
                    });
                    if (survives)
                        return false;
                }
        }
    return true;
}

} // namespace plain
