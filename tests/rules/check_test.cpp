#include "rules/check.h"
#include "rules/make_move.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

namespace {

struct CheckCase {
    const char* sfen; // Sente to move, so its king may be attacked
    int attacked; // IsKingAttacked(1, Sente)
};

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
    CheckCase { "kgsbr/p4/5/4P/RBSGK b - 1", 0 },
    CheckCase { "k4/2p2/2K2/5/5 b - 1", 1 },    // pawn in front
    CheckCase { "k4/5/2K2/2p2/5 b - 1", 0 },    // pawn behind
    CheckCase { "k4/5/2K2/2g2/5 b - 1", 1 },    // gold steps straight back
    CheckCase { "k4/5/2K2/1g3/5 b - 1", 0 },    // but not diagonally back
    CheckCase { "k1r2/5/2K2/5/5 b - 1", 1 },    // rook down an open file
    CheckCase { "k1r2/2b2/2K2/5/5 b - 1", 0 },  // blocked by its own piece
    CheckCase { "k1r2/2P2/2K2/5/5 b - 1", 0 },  // blocked by the king's piece
    CheckCase { "k4/5/1+bK2/5/5 b - 1", 1 },    // horse steps orthogonally
    CheckCase { "k4/5/2K2/5/+b4 b - 1", 1 },    // horse slides diagonally
    CheckCase { "k4/5/+b1K2/5/5 b - 1", 0 },    // but not orthogonally from afar
    CheckCase { "k4/5/2K2/5/2s2 b - 1", 0 },    // a silver two squares away
    CheckCase { "k4/5/2K2/1G3/5 b - 1", 0 }));  // an own piece never counts
// clang-format on

TEST(IsKingAttacked, FollowsAKingMovedByMakeMove)
{
    LoadSfen("k4/5/5/1r3/4K b - 1");
    MakeMove(1, 5, 5, 4, 4, 0);
    EXPECT_EQ(IsKingAttacked(1, Sente), 1);
}
