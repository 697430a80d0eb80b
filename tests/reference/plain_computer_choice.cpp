#include "tests/reference/plain_engine.h"

#include "engine/classic/mate_search.h"
#include "engine/classic/material.h"
#include "engine/classic/random_below.h"
#include "engine/classic/tree_search.h"
#include "rules/check.h"
#include "tests/reference/material_plies.h"
#include "tests/reference/plain_root_candidates.h"

#include <cstdlib>

namespace plain {

namespace {

    // Board-control terms of a candidate's position, seen from the mover s.
    int32_t ControlTerms(int p, int s)
    {
        const int kx = KingX[p][SideIndex(-s)], ky = KingY[p][SideIndex(-s)];
        int32_t score = 0;
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y) {
                const int own = ControlMap[p][SideIndex(s)][x][y],
                          enemy = ControlMap[p][SideIndex(-s)][x][y];
                if (x == kx && y == ky) {
                    score
                        += (own > 0 ? 2 : 0) + (own > enemy ? 5 : 0); // pressure on the king itself
                } else if (std::abs(x - kx) <= 1 && std::abs(y - ky) <= 1) {
                    score += (own > 0 ? 1 : 0) + (own > enemy ? 2 : 0); // on the squares around it
                }
                if (Position[p][x][y] * s > 0 && own > 0)
                    score += 2; // a defended piece
                if (own > 0)
                    score += 1; // reach
            }
        if (KingY[p][SideIndex(s)] == (s == Sente ? BoardSize : 1))
            score += 10; // the king still at home
        return score;
    }

} // namespace

int32_t ScoreCandidate(int p, int s)
{
    if (IsKingAttacked(p, s))
        return OwnKingLeftAttacked;
    if (FindMate(p, -s, 2))
        return OpponentMatesInOne;
    if (FindMate(p, -s, 4))
        return OpponentMatesInTwo;
    if (EveryReplyMated(p, s))
        return EveryReplyLoses;
    MaterialScore[p] = CountMaterial(p, Sente);
    const int32_t v = SearchValue(p, -s, TreeDepth);
    const int32_t score = -v + RandomBelow(RandomSpread);
    BuildControlMap(p);
    return score + ControlTerms(p, s);
}

ComputerDecision ChooseForcedMate(int s)
{
    ComputerDecision best;
    best.score = NoMoveValue;
    ForEachRootCandidate(s, [&](const Move& m) {
        const int32_t value = ClassifyMateMove(2, s, best.score);
        if (value > best.score)
            best.move = m, best.score = value;
    });
    best.forcedMate = best.score >= ForcedMateThreshold;
    return best;
}

ComputerDecision DecideComputerMove(int s)
{
    const ComputerDecision mate = ChooseForcedMate(s);
    if (mate.forcedMate)
        return mate;
    ComputerDecision best;
    best.score = NoMoveValue;
    ForEachRootCandidate(s, [&](const Move& m) {
        const int32_t value = ScoreCandidate(2, s);
        if (value > best.score)
            best.move = m, best.score = value;
    });
    best.resigns = best.score < ResignThreshold;
    return best;
}

} // namespace plain
