#pragma once

#include "engine/strong/eval_scale.h"
#include "engine/strong/search.h"

#include <cmath>

// A side's winning chance on the scale -1 (lost) to +1 (won): twice the expected score that the
// evaluation's own fitted logistic predicts, less one, so that the scale is the one the game
// results gave the evaluation. A mate is sure: +1 or -1.
inline double WinningChance(int centipawns)
{
    if (MatePliesOf(centipawns) != 0)
        return centipawns > 0 ? 1.0 : -1.0;
    return std::tanh(EvalScoreSlope / 2 * centipawns);
}

// How bad a move is, judged by the winning chance it throws away.
enum class Judgement { Good, Inaccuracy, Mistake, Blunder };

// The least loss of winning chance, on the -1..+1 scale, that earns each judgement.
// clang-format off
inline constexpr struct { Judgement judgement; double loss; } JudgementThresholds[] = {
    { Judgement::Blunder,    0.3 },
    { Judgement::Mistake,    0.2 },
    { Judgement::Inaccuracy, 0.1 },
};
// clang-format on

inline Judgement Judge(double loss)
{
    for (const auto& threshold : JudgementThresholds)
        if (loss >= threshold.loss)
            return threshold.judgement;
    return Judgement::Good;
}
