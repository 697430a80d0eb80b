#include "rules/check.h"
#include "rules/make_move.h"
#include "tests/support/case_names.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CheckCase {
    const char* name;
    const char* sfen; // Sente to move, so its king may be attacked
    int attacked; // IsKingAttacked(1, Sente)
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name << " " << c.sfen; }

class Checks : public testing::TestWithParam<CheckCase> { };

} // namespace

TEST_P(Checks, LookOutwardFromTheKing)
{
    LoadSfen(GetParam().sfen);
    EXPECT_EQ(IsKingAttacked(1, Sente), GetParam().attacked) << GetParam().sfen;
    EXPECT_EQ(IsKingAttacked(1, Gote), 0) << GetParam().sfen;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Checks, testing::Values(
    CheckCase { "StartPosition", "kgsbr/p4/5/4P/RBSGK b - 1", 0 },
    CheckCase { "PawnInFront", "k4/2p2/2K2/5/5 b - 1", 1 },
    CheckCase { "PawnBehind", "k4/5/2K2/2p2/5 b - 1", 0 },
    CheckCase { "GoldStepsStraightBack", "k4/5/2K2/2g2/5 b - 1", 1 },
    CheckCase { "GoldNotDiagonallyBack", "k4/5/2K2/1g3/5 b - 1", 0 },
    CheckCase { "RookDownAnOpenFile", "k1r2/5/2K2/5/5 b - 1", 1 },
    CheckCase { "RookBlockedByItsOwnPiece", "k1r2/2b2/2K2/5/5 b - 1", 0 },
    CheckCase { "RookBlockedByTheKingsPiece", "k1r2/2P2/2K2/5/5 b - 1", 0 },
    CheckCase { "HorseStepsOrthogonally", "k4/5/1+bK2/5/5 b - 1", 1 },
    CheckCase { "HorseSlidesDiagonally", "k4/5/2K2/5/+b4 b - 1", 1 },
    CheckCase { "HorseNotOrthogonallyFromAfar", "k4/5/+b1K2/5/5 b - 1", 0 },
    CheckCase { "SilverTwoSquaresAway", "k4/5/2K2/5/2s2 b - 1", 0 },
    CheckCase { "OwnPieceNeverCounts", "k4/5/2K2/1G3/5 b - 1", 0 }),
    CaseName);
// clang-format on

TEST(IsKingAttacked, FollowsAKingMovedByMakeMove)
{
    LoadSfen("k4/5/5/1r3/4K b - 1");
    MakeMove(1, 5, 5, 4, 4, 0);
    EXPECT_EQ(IsKingAttacked(1, Sente), 1);
}
