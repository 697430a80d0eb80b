#include "bench/position_suite.h"
#include "engine/classic/computer_choice.h"
#include "engine/classic/random_below.h"
#include "rules/usi_move.h"
#include "tests/reference/plain_engine.h"
#include "tests/support/random_play.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

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
// Middlegames in which both sides hold pieces in hand, where drops multiply the moves and a
// search shortcut is most likely to slip: taken from longer random games than the early sample.
constexpr uint32_t MiddlegameSeed = 20261210;
constexpr int MiddlegameGameLength = 60;
constexpr int MiddlegameFromPly = 16;
constexpr int MinHandPiecesEach = 2;
constexpr int FullMiddlegames = 200;
constexpr int SampleMiddlegames = 12;

// How many pieces each side holds, read from the hands field of an SFEN ("2PSr": 3 and 1).
std::pair<int, int> HandPieces(const std::string& sfen)
{
    const size_t start = sfen.find(' ', sfen.find(' ') + 1) + 1;
    int sente = 0, gote = 0, count = 0;
    for (size_t i = start; i < sfen.size() && sfen[i] != ' '; ++i) {
        const char c = sfen[i];
        if (c >= '0' && c <= '9') {
            count = count * 10 + (c - '0');
            continue;
        }
        if (c != '-')
            (c >= 'a' ? gote : sente) += count == 0 ? 1 : count;
        count = 0;
    }
    return { sente, gote };
}

int MoveNumber(const std::string& sfen) { return std::stoi(sfen.substr(sfen.rfind(' ') + 1)); }

// From each of a run of seeded random games, the first position past the opening in which each
// side holds at least MinHandPiecesEach pieces.
std::vector<std::string> HandHeavyMiddlegames(int count)
{
    std::vector<std::string> found;
    const auto positions = RandomPlayPositions(MiddlegameSeed, 150 * count, MiddlegameGameLength);
    bool gameTaken = false;
    for (size_t i = 0; i < positions.size() && int(found.size()) < count; ++i) {
        const int ply = MoveNumber(positions[i]) - 1;
        if (ply == 0)
            gameTaken = false;
        const auto [sente, gote] = HandPieces(positions[i]);
        if (!gameTaken && ply >= MiddlegameFromPly && sente >= MinHandPiecesEach
            && gote >= MinHandPiecesEach) {
            found.push_back(positions[i]);
            gameTaken = true;
        }
    }
    return found;
}

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
    const ComputerDecision fastMate = ChooseForcedMate(PositionOfPly(1, side, VelmoraRules));
    const ComputerDecision fastChoice = DecideComputerMove(PositionOfPly(1, side, VelmoraRules));

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

TEST(DecisionDifferential, MatchesThePlainEngineInMiddlegamesWithFullHands)
{
    const int wanted = FullRun() ? FullMiddlegames : SampleMiddlegames;
    const auto positions = HandHeavyMiddlegames(wanted);
    ASSERT_EQ(int(positions.size()), wanted);
    for (size_t i = 0; i < positions.size(); ++i)
        ExpectSameDecision(positions[i], uint32_t(i * 65537));
}
