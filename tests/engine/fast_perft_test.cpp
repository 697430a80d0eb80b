#include "engine/board/fast_perft.h"
#include "rules/perft.h"
#include "rules/usi_move.h"
#include "tests/support/random_play.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const std::function<bool()> NeverStop = [] { return false; };

struct DivideCase {
    const char* name;
    const char* sfen;
    int depth;
};

void PrintTo(const DivideCase& c, std::ostream* os) { *os << c.sfen << " depth " << c.depth; }

class SameDivideAsTheRules : public testing::TestWithParam<DivideCase> { };

uint64_t Total(const std::vector<PerftEntry>& entries)
{
    uint64_t total = 0;
    for (const PerftEntry& e : entries)
        total += e.nodes;
    return total;
}

void ExpectSameDivide(const std::string& sfen, int depth)
{
    const int side = LoadSfen(sfen);
    const std::vector<PerftEntry> expected = PerftDivide(side, depth);
    const auto fast = FastPerftDivide(PositionOfPly(1, side, VelmoraRules), depth, NeverStop);
    ASSERT_TRUE(fast) << sfen;
    ASSERT_EQ(fast->size(), expected.size()) << sfen;
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(WriteUsiMove((*fast)[i].move), WriteUsiMove(expected[i].move)) << sfen;
        EXPECT_EQ((*fast)[i].nodes, expected[i].nodes)
            << sfen << " depth " << depth << " below " << WriteUsiMove(expected[i].move);
    }
}

} // namespace

// With pawn-drop mates legal the count is the rules' own, root move by root move.
TEST_P(SameDivideAsTheRules, RootMoveByRootMove)
{
    ExpectSameDivide(GetParam().sfen, GetParam().depth);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Positions, SameDivideAsTheRules, testing::Values(
    DivideCase { "level1", "kgsbr/p4/5/4P/RBSGK b - 1", 5 },
    DivideCase { "level2", "kgsbr/p4/5/4P/R1SGK b - 1", 5 },
    DivideCase { "level3", "kgsbr/p4/5/4P/2SGK b - 1", 5 },
    DivideCase { "standard", "rbsgk/4p/5/P4/KGSBR b - 1", 5 },
    DivideCase { "standard_depth1", "rbsgk/4p/5/P4/KGSBR b - 1", 1 },
    DivideCase { "standard_depth3", "rbsgk/4p/5/P4/KGSBR b - 1", 3 },
    DivideCase { "level1_depth2", "kgsbr/p4/5/4P/RBSGK b - 1", 2 },
    DivideCase { "full_hands_sente_depth2", "2k2/5/5/5/2K2 b 2R2B2G2S2P 1", 2 },
    DivideCase { "full_hands_sente", "2k2/5/5/5/2K2 b 2R2B2G2S2P 1", 3 },
    DivideCase { "full_hands_split", "k4/5/5/5/4K w RBGSPrbgsp 1", 3 },
    DivideCase { "both_hands_in_play", "2k2/1p3/5/3P1/2K2 w RGSbgs 1", 3 },
    DivideCase { "in_check_with_drops", "k1r2/5/5/5/2K2 b BGSP 1", 3 },
    DivideCase { "pinned_pieces", "k3b/5/2G2/5/K1S1r b - 1", 4 },
    DivideCase { "pawn_drop_mate_at_once", "k4/2S2/1G3/5/4K b P 1", 3 }),
    [](const testing::TestParamInfo<DivideCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(FastPerftDivide, AgreesWithTheRulesAlongRandomGames)
{
    for (const std::string& sfen : RandomPlayPositions(11, 60, 40))
        ExpectSameDivide(sfen, 3);
}

// A pawn drop that gives mate is no move under standard rules: P*5b here, where the silver
// guards 4a, the gold 4b and the pawn.
TEST(FastPerftDivide, StandardRulesLeaveOutAPawnDropThatMates)
{
    const int side = LoadSfen("k4/2S2/1G3/5/4K b P 1");
    const auto with = FastPerftDivide(PositionOfPly(1, side, VelmoraRules), 1, NeverStop);
    const auto without = FastPerftDivide(PositionOfPly(1, side, StandardRules), 1, NeverStop);
    ASSERT_TRUE(with && without);
    ASSERT_EQ(with->size(), without->size() + 1);
    for (size_t i = 0, j = 0; i < with->size(); ++i) {
        if (WriteUsiMove((*with)[i].move) == "P*5b")
            continue;
        EXPECT_EQ(WriteUsiMove((*with)[i].move), WriteUsiMove((*without)[j++].move));
    }
}

TEST(FastPerftDivide, StandardStartAtDepthSevenCountsWithoutThePawnDropMates)
{
    const int side = LoadSfen("rbsgk/4p/5/P4/KGSBR b - 1");
    const auto with = FastPerftDivide(PositionOfPly(1, side, VelmoraRules), 7, NeverStop);
    const auto without = FastPerftDivide(PositionOfPly(1, side, StandardRules), 7, NeverStop);
    ASSERT_TRUE(with && without);
    EXPECT_EQ(Total(*with), 132'680'698u);
    EXPECT_EQ(Total(*without), 132'680'617u);
}

TEST(FastPerftDivide, GivesUpOnceAskedToStop)
{
    LoadSfen("rbsgk/4p/5/P4/KGSBR b - 1");
    int polls = 0;
    EXPECT_FALSE(
        FastPerftDivide(PositionOfPly(1, Sente, VelmoraRules), 6, [&] { return ++polls > 2; }));
    EXPECT_EQ(polls, 3) << "no poll after the answer to stop";
}
