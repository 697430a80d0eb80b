#include "tools/match/elo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Samples of engine 1's score: count copies of each value.
std::vector<double> Samples(std::initializer_list<std::pair<int, double>> counts)
{
    std::vector<double> samples;
    for (const auto& [count, value] : counts)
        samples.insert(samples.end(), size_t(count), value);
    return samples;
}

} // namespace

TEST(Elo, OfAScoreIsTheLogisticDifference)
{
    EXPECT_DOUBLE_EQ(EloOfScore(0.5), 0);
    EXPECT_NEAR(EloOfScore(0.7), 147.1907, 1e-4);
    EXPECT_NEAR(EloOfScore(0.3), -147.1907, 1e-4);
    EXPECT_NEAR(EloOfScore(10.0 / 11), 400, 1e-9); // odds of 10 to 1
    EXPECT_TRUE(std::isinf(EloOfScore(1)) && EloOfScore(1) > 0);
    EXPECT_TRUE(std::isinf(EloOfScore(0)) && EloOfScore(0) < 0);
}

TEST(Elo, ErrorBarOfGamesIsTheTrinomialOne)
{
    const struct {
        int wins, draws, losses;
        double elo, margin;
    } cases[] = {
        { 60, 20, 20, 147.1907, 66.0134 },
        { 30, 40, 30, 0, 53.1580 },
        { 20, 20, 60, -147.1907, 66.0134 },
    };
    for (const auto& c : cases) {
        const EloEstimate estimate
            = EstimateElo(Samples({ { c.wins, 1.0 }, { c.draws, 0.5 }, { c.losses, 0.0 } }));
        EXPECT_NEAR(estimate.elo, c.elo, 1e-4) << c.wins << "/" << c.draws << "/" << c.losses;
        EXPECT_NEAR(estimate.margin, c.margin, 1e-4) << c.wins << "/" << c.draws << "/" << c.losses;
    }
}

TEST(Elo, ErrorBarOfGamePairsIsThePentanomialOne)
{
    // Pairs scoring 0, 1/2, 1, 3/2 and 2 points out of 2.
    const EloEstimate estimate = EstimateElo(
        Samples({ { 5, 0.0 }, { 10, 0.25 }, { 40, 0.5 }, { 25, 0.75 }, { 20, 1.0 } }));
    EXPECT_NEAR(estimate.elo, 79.5338, 1e-4);
    EXPECT_NEAR(estimate.margin, 38.5998, 1e-4);
}

TEST(Elo, PairsTakeTheOpeningsBiasOutOfTheError)
{
    // Every opening won by whoever has Sente: as games a wide error, as pairs none at all.
    const EloEstimate games = EstimateElo(Samples({ { 10, 1.0 }, { 10, 0.0 } }));
    const EloEstimate pairs = EstimateElo(Samples({ { 10, 0.5 } }));
    EXPECT_DOUBLE_EQ(games.elo, 0);
    EXPECT_NEAR(games.margin, 163.3214, 1e-4);
    EXPECT_DOUBLE_EQ(pairs.elo, 0);
    EXPECT_DOUBLE_EQ(pairs.margin, 0);
}

TEST(Elo, IsUnboundedWithoutLossesOrWithoutASpread)
{
    const EloEstimate sweep = EstimateElo(Samples({ { 8, 1.0 } }));
    EXPECT_TRUE(std::isinf(sweep.elo) && sweep.elo > 0);
    EXPECT_TRUE(std::isinf(sweep.margin));
    EXPECT_TRUE(std::isinf(EstimateElo(Samples({ { 1, 0.5 } })).margin)) << "one sample";
    EXPECT_TRUE(std::isinf(EstimateElo(Samples({ { 9, 1.0 }, { 1, 0.5 } })).margin))
        << "the upper bound reaches a score of 1";
}
