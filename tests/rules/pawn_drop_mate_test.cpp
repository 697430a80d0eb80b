#include "rules/legality.h"
#include "rules/pawn_drop_mate.h"
#include "rules/usi_move.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

TEST(PawnDropMate, OnlyAPawnDropLeavingNoLegalReplyCounts)
{
    const struct {
        const char* sfen;
        const char* move;
        bool mates;
    } cases[] = {
        { "4k/2S2/3G1/5/K4 b P 1", "P*1b", true }, // 2a covered by the silver, 1b by the gold
        { "4k/5/1g3/2s2/K4 w p 1", "P*5d", true }, // the same for Gote
        { "2Rgk/5/3G1/5/K4 b P 1", "P*1b", true }, // the gold could take, but is pinned
        { "4k/5/3G1/5/K4 b P 1", "P*1b", false }, // the king flees to 2a
        { "3gk/5/3G1/5/K4 b P 1", "P*1b", false }, // the gold takes the pawn
        { "4k/2S2/3GP/5/K4 b - 1", "1c1b", false }, // a pawn pushed, not dropped, may mate
        { "4k/2S2/3G1/5/K4 b G 1", "G*1b", false }, // any other piece dropped may mate
        { "4k/2S2/3G1/5/K4 b P 1", "P*1c", false }, // no check
    };
    for (const auto& c : cases) {
        const int side = LoadSfen(c.sfen);
        EXPECT_EQ(IsPawnDropMate(1, side, UsiMove(c.move, side)), c.mates)
            << c.sfen << " " << c.move;
    }
}

TEST(PawnDropMate, IsRefusedOnlyUnderStandardRules)
{
    const char* sfen = "4k/2S2/3G1/5/K4 b P 1";
    const int side = LoadSfen(sfen);
    std::string error;
    EXPECT_FALSE(PlayUsiMove("P*1b", side, error, StandardRules));
    EXPECT_EQ(error, "move 'P*1b' is illegal: a pawn drop may not give mate");
    EXPECT_EQ(WriteSfen(1, { side, 1 }), sfen) << "ply 1 unchanged";
    EXPECT_TRUE(PlayUsiMove("P*1c", side, error, StandardRules))
        << "a pawn drop without mate" << error;
    LoadSfen(sfen);
    EXPECT_TRUE(PlayUsiMove("P*1b", side, error, VelmoraRules)) << error;
}

TEST(PawnDropMate, IsAVerdictOfItsOwnUnderStandardRulesAndLegalInVelmoras)
{
    const char* sfen = "4k/2S2/3G1/5/K4 b P 1"; // P*1b mates
    const struct {
        const RuleSet* rules;
        MoveVerdict verdict;
    } cases[] = {
        { &StandardRules, MoveVerdict::PawnDropMate },
        { &VelmoraRules, MoveVerdict::Legal },
    };
    for (const auto& c : cases) {
        const int side = LoadSfen(sfen);
        EXPECT_EQ(JudgeMove(1, side, UsiMove("P*1b", side), *c.rules), c.verdict)
            << sfen << " under " << c.rules->name;
    }
    EXPECT_STREQ(Describe(MoveVerdict::PawnDropMate), "a pawn drop may not give mate");
}
