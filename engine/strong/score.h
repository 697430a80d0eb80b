#pragma once

// Scores in centipawns from the side to move. A mate in n plies scores MateValue - n; a game won
// by a rule (a repetition) scores RuleWin, below every mate and above every evaluation.
inline constexpr int MateValue = 30000;
inline constexpr int MaxSearchPly = 128;
inline constexpr int MateInMaxPly = MateValue - MaxSearchPly;
inline constexpr int RuleWin = 20000;
inline constexpr int Infinite = 31000;

// The plies to the mate a score promises, positive when the side to move mates; 0 for none.
inline int MatePliesOf(int score)
{
    if (score >= MateInMaxPly)
        return MateValue - score;
    if (score <= -MateInMaxPly)
        return -(MateValue + score);
    return 0;
}

// Whether the score promises a mate, for either side.
inline bool IsMateScore(int score) { return score >= MateInMaxPly || score <= -MateInMaxPly; }
