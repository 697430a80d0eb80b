#include "rules/make_move.h"
#include "rules/ply_stack.h"
#include "tests/reference/material_plies.h"
#include "tests/support/case_names.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

namespace {

struct MoveCase {
    const char* name;
    const char* sfen;
    const char* move;
    const char* after; // MakeMove: the position that results
    int materialChange; // MakeMoveFast: the change of MaterialScore
};

void PrintTo(const MoveCase& c, std::ostream* os)
{
    *os << c.name << " " << c.sfen << " " << c.move;
}

class MakeMoves : public testing::TestWithParam<MoveCase> { };

} // namespace

TEST_P(MakeMoves, CaptureDemoteDropAndPromoteLikeTheRules)
{
    const MoveCase& c = GetParam();
    const int side = LoadSfen(c.sfen);
    const Move m = UsiMove(c.move, side);
    CopyPlyFast(1);
    MaterialScore[2] = 1000;
    MakeMoveFast(2, m.fromX, m.fromY, m.toX, m.toY, m.promote);
    EXPECT_EQ(MaterialScore[2] - 1000, c.materialChange) << c.sfen << " " << c.move;
    MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
    EXPECT_EQ(WriteSfen(1, { -side, 1 }), c.after) << c.sfen << " " << c.move;
    EXPECT_EQ(0, std::memcmp(Position[1], Position[2], sizeof Position[1]))
        << "fast and full moves differ";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, MakeMoves, testing::Values(
    MoveCase { "RookTakesRook", "k4/5/2r2/2R2/4K b - 1", "3d3c", "k4/5/2R2/5/4K w R 1", 170 },
    MoveCase { "RookTakesDragonDemoted", "k4/5/2+r2/2R2/4K b - 1", "3d3c", "k4/5/2R2/5/4K w R 1", 185 },
    MoveCase { "PawnTakesGoldPromoting", "k1g2/2P2/5/5/4K b - 1", "3b3a+", "k1+P2/5/5/5/4K w G 1", 145 },
    MoveCase { "PawnStep", "k4/5/2P2/5/4K b - 1", "3c3b", "k4/2P2/5/5/4K w - 1", 0 },
    MoveCase { "SilverTakesHorseDemoted", "k4/5/2+b2/2S2/4K b - 1", "3d3c", "k4/5/2S2/5/4K w B 1", 170 },
    MoveCase { "GoteSilverTakesTokin", "k4/2s2/2+P2/5/4K w - 1", "3b3c", "k4/5/2s2/5/4K b p 1", -65 },
    MoveCase { "GoteRookTakesGold", "k4/5/2G2/2r2/4K w - 1", "3d3c", "k4/5/2r2/5/4K b g 1", -100 },
    MoveCase { "GoteBishopPromotes", "k4/5/2b2/5/3K1 w - 1", "3c5e+", "k4/5/5/5/+b2K1 b - 1", -20 },
    MoveCase { "GoteRookDrop", "k4/5/5/5/4K w r 1", "R*3c", "k4/5/2r2/5/4K b - 1", 0 },
    MoveCase { "SilverPromotes", "4k/1S3/5/5/4K b - 1", "4b4a+", "1+S2k/5/5/5/4K w - 1", 5 }),
    CaseName);
// clang-format on

TEST(MakeMove, KeepsTheKingSquareWhileTheFastMoverLeavesItStale)
{
    LoadSfen("kgsbr/p4/5/4P/RBSGK b - 1");
    CopyPly(1);
    MakeMove(2, 5, 5, 4, 4, 0);
    EXPECT_EQ(KingX[2][SideIndex(Sente)], 4);
    EXPECT_EQ(KingY[2][SideIndex(Sente)], 4);
    CopyPly(1);
    MakeMoveFast(2, 5, 5, 4, 4, 0);
    EXPECT_EQ(KingX[2][SideIndex(Sente)], 5);
    EXPECT_EQ(KingY[2][SideIndex(Sente)], 5);
}

TEST(MakeMoveFast, TakingAKingSwingsTheScoreAndWritesNoHandSlot)
{
    LoadSfen("5/5/2k2/5/2R1K w - 1");
    CopyPlyFast(1);
    MaterialScore[2] = 0;
    MakeMoveFast(2, 3, 5, 3, 3, 0);
    EXPECT_EQ(MaterialScore[2], 2000);
    for (int t = 1; t <= HandTypeCount; ++t)
        EXPECT_EQ(Position[2][t][HandRow(Sente)], 0) << "hand type " << t;
    EXPECT_EQ(Position[2][3][3], Rook);
    EXPECT_EQ(Position[2][3][5], 0);
}
