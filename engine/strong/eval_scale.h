#pragma once

// The logistic the evaluation's weights were fitted with (tools/tune): an evaluation of e
// centipawns for a side predicts its expected score 1 / (1 + exp(-EvalScoreSlope * e)), the
// shape of Elo's formula, in which 400 points are odds of ten to one.
inline constexpr double EvalScoreSlope = 2.302585092994046 / 400.0; // ln 10 / 400
