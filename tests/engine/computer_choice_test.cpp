#include "engine/board/rules_move.h"
#include "engine/classic/computer_choice.h"
#include "engine/classic/mate_search.h"
#include "engine/classic/material.h"
#include "engine/classic/random_below.h"
#include "engine/classic/root_moves.h"
#include "engine/classic/tree_search.h"
#include "rules/legality.h"
#include "rules/pawn_drop_mate.h"
#include "tests/support/case_names.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

namespace {

// The score of the candidate that side s has made into ply p.
int32_t ScoreCandidate(int p, int s)
{
    return ::ScoreCandidate(LoadBoard(p, CountMaterial(p, Sente)), s);
}

} // namespace

TEST(ScoreCandidate, RanksLosingCandidatesByTheirThreat)
{
    EXPECT_EQ(ScoreCandidate(2, MakeCandidate("5/5/3k1/5/r2GK b - 1", "2e2d")), -11000)
        << "own king left attacked, though the move checks";
    EXPECT_EQ(ScoreCandidate(2, MakeCandidate("k4/5/3g1/P4/4K b g 1", "5d5c")), -9000)
        << "G*1d mates at once";
    EXPECT_EQ(ScoreCandidate(2, -LoadIntoPly2("kB2p/5/1r1sr/S1b1P/1G1GK w - 40")), -8000)
        << "Gote mates in two by checks";
    EXPECT_EQ(ScoreCandidate(2, MakeCandidate("Rksr1/1sg2/3bP/1Pg2/4K w - 22", "4a5a")), 5000)
        << "every Sente reply loses to a mate in two";
}

TEST(ScoreCandidate, DrawsOnceFromTheGeneratorPerSearchedCandidate)
{
    RandomSeed = 0;
    MakeCandidate("5/5/3k1/5/r2GK b - 1", "2e2d");
    ScoreCandidate(2, Sente);
    EXPECT_EQ(RandomSeed, 0u) << "a candidate with a fixed score draws nothing";
    MakeCandidate("kgsbr/p4/5/4P/RBSGK b - 1", "1d1c");
    ScoreCandidate(2, Sente);
    EXPECT_EQ(RandomSeed, 1u);
}

struct DecisionCase {
    const char* name;
    const char* sfen;
    const char* move; // the move chosen, also when it resigns
    bool forcedMate;
    bool resigns;
    int32_t score;
};

void PrintTo(const DecisionCase& c, std::ostream* os) { *os << c.name << " " << c.sfen; }

class Decisions : public testing::TestWithParam<DecisionCase> { };

TEST_P(Decisions, FollowTheOrderOfPreference)
{
    const DecisionCase& c = GetParam();
    const int side = LoadSfen(c.sfen);
    int8_t before[BoardSize + 1][GridRows + 1];
    std::memcpy(before, Position[1], sizeof before);
    RandomSeed = 0;
    const ComputerDecision d = DecideComputerMove(PositionOfPly(1, side, VelmoraRules));
    EXPECT_EQ(WriteUsiMove(d.move), c.move) << c.sfen;
    EXPECT_EQ(d.forcedMate, c.forcedMate) << c.sfen;
    EXPECT_EQ(d.resigns, c.resigns) << c.sfen;
    EXPECT_EQ(d.score, c.score) << c.sfen;
    EXPECT_EQ(0, std::memcmp(before, Position[1], sizeof before)) << "the decision changed ply 1";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Decisions, testing::Values(
    // Both G*5b and G*4b mate at once: the first in scan order wins.
    DecisionCase { "FirstMateAtOnce", "k4/5/1G3/5/4K b G 1", "G*5b", true, false, MateAtOnce },
    // P*1b mates in three and 3a2b in two before 2a1a mates at once.
    DecisionCase { "MateAtOnceBeatsEarlierLongerMates", "2sr+P/k1g2/2S1K/g4/R2+b1 w p 36", "2a1a", true, false, MateAtOnce },
    DecisionCase { "MateAtOnceBeatsEarlierMateInTwo", "k3p/2+BS1/2rr1/4P/2SGK b BG 53", "G*4b", true, false, MateAtOnce },
    DecisionCase { "AMateInThreeIsPlayed", "k1r2/p2sb/3gP/1SB2/R1GK1 b - 11", "5e5b", true, false, MateInThree },
    // 4a5a and 4b5a both score 5000: the earlier candidate is kept.
    DecisionCase { "TiesKeepTheEarliestCandidate", "Rksr1/1sg2/3bP/1Pg2/4K w - 22", "4a5a", false, false, 5000 },
    // Every king move loses to G*2d or leaves the king attacked.
    DecisionCase { "ResignsWhenEveryMoveLoses", "k4/5/3g1/5/4K b g 1", "1e2e", false, true, -9000 },
    DecisionCase { "ResignsKeepingTheFirstOfEqualLosses", "k1S1+P/5/pS3/1B1K1/gg3 w R 46", "5a4a", false, true, -9000 }),
    CaseName);
// clang-format on

// Every candidate that gets past the fixed scores draws once, in the order of the walk, whatever
// order the searches take afterwards: for any seed, the decision is what scoring each candidate
// in turn with ScoreCandidate gives. A draw handed to another candidate changes the scores of
// close candidates, and with them the choice or its score, for some of the seeds.
TEST(DecideComputerMove, DrawsOncePerScoredCandidateInOrder)
{
    for (const char* sfen : { "kgsbr/p4/5/4P/RBSGK b - 1", "1k1br/p2sg/5/1S1GP/3K1 b - 15" })
        for (uint32_t seed = 0; seed < 20; ++seed) {
            const int side = LoadSfen(sfen);
            RandomSeed = seed;
            Move expected;
            int32_t best = NoMoveValue;
            ForEachRootMove(LoadBoard(1, CountMaterial(1, Sente)), side, [&](const SearchMove& c) {
                const Move m = RulesMove(c, side);
                CopyPly(1);
                MakeMove(2, m.fromX, m.fromY, m.toX, m.toY, m.promote);
                const int32_t score = ScoreCandidate(2, side);
                if (score > best)
                    expected = m, best = score;
            });
            const uint32_t drawn = RandomSeed;
            RandomSeed = seed;
            const ComputerDecision d = DecideComputerMove(PositionOfPly(1, side, VelmoraRules));
            EXPECT_EQ(WriteUsiMove(d.move), WriteUsiMove(expected)) << sfen << " seed " << seed;
            EXPECT_EQ(d.score, best) << sfen << " seed " << seed;
            EXPECT_EQ(RandomSeed, drawn) << sfen << " seed " << seed;
        }
}

TEST(DecideComputerMove, UnderStandardRulesNeverDropsAPawnToMate)
{
    // P*1b mates at once, and only Velmora's own game allows it.
    for (const char* sfen : { "4k/2S2/3G1/5/K4 b P 1", "4k/5/1g3/2s2/K4 w p 1" }) {
        const int side = LoadSfen(sfen);
        const ComputerDecision own = DecideComputerMove(PositionOfPly(1, side, VelmoraRules));
        EXPECT_TRUE(own.forcedMate && IsPawnDropMate(1, side, own.move)) << sfen;
        const ComputerDecision standard = DecideComputerMove(PositionOfPly(1, side, StandardRules));
        EXPECT_FALSE(standard.resigns) << sfen;
        EXPECT_EQ(JudgeMove(1, side, standard.move, StandardRules), MoveVerdict::Legal) << sfen;
        EXPECT_FALSE(IsPawnDropMate(1, side, standard.move))
            << sfen << " " << WriteUsiMove(standard.move);
    }
}
