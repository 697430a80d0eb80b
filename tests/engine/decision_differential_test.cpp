#include "bench/position_suite.h"
#include "engine/computer_choice.h"
#include "engine/evaluation.h"
#include "rules/usi_move.h"
#include "tests/reference/plain_engine.h"
#include "tests/support/random_play.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

// The fast decision against the plain one, position by position: the move, the resignation, the
// forced-mate class and the score must agree, and so must every draw from the generator. Both
// start from the same seed; the generator is a bijection, so the same final seed means the same
// number of draws and the same values in the same order.
namespace {

// VELMORA_DIFFERENTIAL=full runs the whole comparison; by default a sample small enough for CI.
bool FullRun()
{
    const char* mode = std::getenv("VELMORA_DIFFERENTIAL");
    return mode != nullptr && std::string(mode) == "full";
}

constexpr uint32_t RandomPlaySeed = 20260501;
constexpr int FullRandomPositions = 2000;
constexpr int SampleRandomPositions = 40;
// Long enough for both hands to fill, short enough for each level to come up often.
constexpr int FullGameLength = 80;
constexpr int SampleGameLength = 10;
// The CI sample takes every n-th position of the suite.
constexpr int SampleSuiteStride = 6;

std::string Describe(const ComputerDecision& d)
{
    return (d.resigns ? "resign " : "") + WriteUsiMove(d.move) + (d.forcedMate ? " mate " : " ")
        + std::to_string(d.score);
}

// Same start seed, then the plain and the fast engine on the same position.
void ExpectSameDecision(const std::string& sfen, uint32_t seed)
{
    const int side = LoadSfen(sfen);
    RandomSeed = seed;
    const ComputerDecision plainMate = plain::ChooseForcedMate(side);
    const ComputerDecision plainChoice = plain::DecideComputerMove(side);
    const uint32_t plainSeed = RandomSeed;

    LoadSfen(sfen);
    RandomSeed = seed;
    const ComputerDecision fastMate = ChooseForcedMate(side);
    const ComputerDecision fastChoice = DecideComputerMove(side);

    EXPECT_EQ(Describe(fastMate), Describe(plainMate)) << "forced-mate pass on " << sfen;
    EXPECT_EQ(Describe(fastChoice), Describe(plainChoice)) << "decision on " << sfen;
    EXPECT_EQ(RandomSeed, plainSeed) << "draws on " << sfen;
}

} // namespace

TEST(DecisionDifferential, MatchesThePlainEngineOnTheSuite)
{
    const auto suite = ReadPositionSuite(VELMORA_POSITION_SUITE);
    ASSERT_FALSE(suite.empty()) << VELMORA_POSITION_SUITE;
    const size_t stride = FullRun() ? 1 : SampleSuiteStride;
    for (size_t i = 0; i < suite.size(); i += stride)
        ExpectSameDecision(suite[i].sfen, uint32_t(i * 7919));
}

TEST(DecisionDifferential, MatchesThePlainEngineAlongRandomGames)
{
    const bool full = FullRun();
    const auto positions
        = RandomPlayPositions(RandomPlaySeed, full ? FullRandomPositions : SampleRandomPositions,
            full ? FullGameLength : SampleGameLength);
    for (size_t i = 0; i < positions.size(); ++i)
        ExpectSameDecision(positions[i], uint32_t(i * 104729));
}
