#include "rules/check.h"
#include "rules/ply_stack.h"
#include "rules/rule_tables.h"
#include "rules/setup.h"
#include "rules/sfen.h"
#include "tests/reference/material_plies.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

TEST(RuleTables, PromotedSlidersAddRangingLinesToTheKingRow)
{
    const uint8_t horse[] = { 0, 2, 1, 2, 1, 1, 2, 1, 2 };
    const uint8_t dragon[] = { 0, 1, 2, 1, 2, 2, 1, 2, 1 };
    for (int d = 1; d <= DirectionCount; ++d) {
        EXPECT_EQ(MoveTable[Horse][d], horse[d]) << "direction " << d;
        EXPECT_EQ(MoveTable[Dragon][d], dragon[d]) << "direction " << d;
        EXPECT_EQ(MoveTable[Tokin][d], MoveTable[Gold][d]);
        EXPECT_EQ(MoveTable[ProSilver][d], MoveTable[Gold][d]);
    }
    EXPECT_GT(PieceValueTable[Tokin], PieceValueTable[Gold]);
    EXPECT_EQ(PieceValueTable[ProSilver], PieceValueTable[Gold]);
}

struct LevelCase {
    int level;
    const char* sfen;
};

void PrintTo(const LevelCase& c, std::ostream* os) { *os << "level " << c.level << " " << c.sfen; }

class SetUp : public testing::TestWithParam<LevelCase> { };

TEST_P(SetUp, WritesTheLevelsArmyAndKingSquaresOntoPly1)
{
    Position[1][Bishop][HandRow(Sente)] = 2; // left over from an earlier game
    SetUpPosition(GetParam().level);
    EXPECT_EQ(WriteSfen(1, {}), GetParam().sfen);
    EXPECT_EQ(KingX[1][SideIndex(Sente)], 5);
    EXPECT_EQ(KingY[1][SideIndex(Sente)], 5);
    EXPECT_EQ(KingX[1][SideIndex(Gote)], 1);
    EXPECT_EQ(KingY[1][SideIndex(Gote)], 1);
}

INSTANTIATE_TEST_SUITE_P(Levels, SetUp,
    testing::Values(LevelCase { 1, "kgsbr/p4/5/4P/RBSGK b - 1" },
        LevelCase { 2, "kgsbr/p4/5/4P/R1SGK b - 1" }, LevelCase { 3, "kgsbr/p4/5/4P/2SGK b - 1" }),
    [](const auto& info) { return "Level" + std::to_string(info.param.level); });

TEST(CheckerFlags, InTheStartPositionOnlyTheRangingPiecesAreFlagged)
{
    SetUpPosition(1);
    UpdateCheckerFlags(1);
    for (int s : { Sente, Gote })
        for (int t = 1; t <= PieceTypeCount; ++t)
            EXPECT_EQ(CheckerFlags[1][SideIndex(s)][t], t == Bishop || t == Rook)
                << "side " << s << " type " << t;
    SetUpPosition(3);
    UpdateCheckerFlags(1);
    for (int t = 1; t <= PieceTypeCount; ++t)
        EXPECT_FALSE(CheckerFlags[1][SideIndex(Gote)][t]) << "type " << t;
}

TEST(CheckerFlags, AStepperIsFlaggedOnlyNextToTheKing)
{
    LoadSfen("k1G2/5/5/5/4K b - 1");
    EXPECT_FALSE(CheckerFlags[1][SideIndex(Gote)][Gold]);
    LoadSfen("kG3/5/5/5/4K w - 1");
    EXPECT_TRUE(CheckerFlags[1][SideIndex(Gote)][Gold]);
}

TEST(PlyCopies, CopiesLeaveTheSourcePlyAlone)
{
    LoadSfen("kgsbr/p4/5/4P/RBSGK b - 1");
    MaterialScore[1] = 123;
    CopyPly(1);
    Position[2][5][4] = 0;
    KingX[2][SideIndex(Sente)] = 3;
    EXPECT_EQ(Position[1][5][4], Pawn);
    EXPECT_EQ(KingX[1][SideIndex(Sente)], 5);
    CopyPlyFast(1);
    EXPECT_EQ(MaterialScore[2], 123);
    EXPECT_EQ(0, std::memcmp(Position[1], Position[2], sizeof Position[1]));
}
