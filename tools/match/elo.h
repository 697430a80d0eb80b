#pragma once

#include <vector>

// A result of engine 1, in points: 1 a win, 0.5 a draw, 0 a loss.
struct Tally {
    int wins = 0;
    int draws = 0;
    int losses = 0;
    int Games() const { return wins + draws + losses; }
    double Points() const { return wins + 0.5 * draws; }
};

// The logistic Elo difference and the half width of its 95% confidence interval; infinite
// when a bound reaches a score of 0 or 1.
struct EloEstimate {
    double elo = 0;
    double margin = 0;
};

// The Elo difference of a mean score (0 < score < 1): 400 log10(score / (1 - score)).
double EloOfScore(double score);

// The estimate from samples of engine 1's score, each the mean score of one unit: a game
// (trinomial: 0, 0.5 or 1) or a pair of games with the colours swapped (pentanomial: 0, 0.25,
// ..., 1), which takes the opening's bias out of the variance. The interval is the normal one
// around the mean score, mapped to Elo.
EloEstimate EstimateElo(const std::vector<double>& samples);
