#include "engine/board/search_board.h"
#include "engine/classic/material.h"
#include "engine/classic/random_below.h"
#include "engine/classic/tree_search.h"
#include "tests/reference/material_plies.h"
#include "tests/reference/plain_engine.h"
#include "tests/support/case_names.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

TEST(RandomBelow, StartsFromSeedZeroWithAFixedSequence)
{
    RandomSeed = 0;
    for (int expected : { 0, 0, 4, 1, 1 })
        EXPECT_EQ(RandomBelow(5), expected);
}

TEST(CountMaterial, CountsHandPiecesAtTheirUnpromotedValue)
{
    LoadSfen("kgsbr/p4/5/4P/RBSGK b - 1");
    EXPECT_EQ(CountMaterial(1, Sente), 0);
    MakeCandidate("kg1br/p1s2/3B1/4P/R1SGK b - 1", "2c3b"); // the bishop takes the silver
    EXPECT_EQ(CountMaterial(2, Sente), 90);
    EXPECT_EQ(CountMaterial(2, Gote), -90);
    LoadSfen("k4/5/5/5/4K b Sp 1");
    EXPECT_EQ(CountMaterial(1, Sente), 45 - 10);
}

// The yardstick's counters, and the engine's reach: the squares where a side's counter is not 0.
TEST(BuildControlMap, CountsAttackersAndDefendersOfEverySquare)
{
    LoadSfen("k4/5/5/5/3GK b - 1");
    plain::BuildControlMap(1);
    const auto& sente = ControlMap[1][SideIndex(Sente)];
    EXPECT_EQ(sente[5][5], 1) << "the gold defends its king";
    EXPECT_EQ(sente[4][5], 1) << "the king defends its gold";
    EXPECT_EQ(sente[4][4], 2) << "both reach 2d";
    EXPECT_EQ(sente[3][5], 1);
    EXPECT_EQ(ControlMap[1][SideIndex(Gote)][1][1], 0) << "nothing defends Gote's king";
    EXPECT_EQ(ControlMap[1][SideIndex(Gote)][2][2], 1);
    const SearchBoard board = LoadBoard(1, 0);
    for (int s : { Sente, Gote })
        for (int x = 1; x <= BoardSize; ++x)
            for (int y = 1; y <= BoardSize; ++y)
                EXPECT_EQ((Reach(board, s, Occupied(board)) & Bit(SquareAt(x, y))) != 0,
                    ControlMap[1][SideIndex(s)][x][y] > 0)
                    << "side " << s << " at " << x << "," << y;
}

struct LeafCase {
    const char* name;
    const char* sfen;
    int32_t value; // LeafValue(1, Sente)
};

void PrintTo(const LeafCase& c, std::ostream* os) { *os << c.name << " " << c.sfen; }

class Leaves : public testing::TestWithParam<LeafCase> { };

TEST_P(Leaves, AddTheBestSafeCaptureOrPromotion)
{
    LoadSfen(GetParam().sfen);
    MaterialScore[1] = CountMaterial(1, Sente);
    EXPECT_EQ(LeafValue(1, Sente), GetParam().value) << GetParam().sfen;
    EXPECT_EQ(SearchValue(1, Sente, 1), GetParam().value) << "depth 1 is the leaf";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Leaves, testing::Values(
    LeafCase { "UndefendedGold", "k4/5/2g2/2P2/4K b - 1", -40 + 100 },
    LeafCase { "DefendedGold", "k4/2g2/2g2/2P2/4K b - 1", -90 },
    LeafCase { "PawnPromotes", "k4/2P2/5/5/4K b - 1", 10 + 45 },
    LeafCase { "DragonTakenDemoted", "k4/5/2+r2/2P2/4K b - 1", -90 + 185 },
    LeafCase { "PromotingCapture", "k1g2/2P2/5/5/4K b - 1", -40 + 45 + 100 },
    LeafCase { "UndefendedKing", "5/5/2k2/2R2/4K w - 1", 85 + 2000 }),
    CaseName);
// clang-format on

TEST(SearchValue, ACapturedKingEndsTheLine)
{
    LoadSfen("5/5/2k2/2R2/4K w - 1");
    MaterialScore[1] = CountMaterial(1, Sente);
    EXPECT_EQ(SearchValue(1, Sente, 2), 85 + 2000);
    EXPECT_EQ(SearchValue(1, Sente, 3), 85 + 2000);
}
