#include "rules/ply_snapshot.h"
#include "rules/ply_stack.h"
#include "rules/sfen.h"
#include "rules/usi_move.h"
#include "tests/support/case_names.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr const char* Base = "k1g1r/p4/5/4P/RBSGK b - 1";

} // namespace

TEST(Sfen, ReadThenWriteGivesTheSameText)
{
    for (const char* sfen : { "kgsbr/p4/5/4P/RBSGK b - 1", "2k2/1+P3/5/+r2+S1/2K2 w RBGPbgs 17",
             "4k/5/2+b2/5/K4 b 2P2g 3", "k4/5/5/5/4K w - 1" }) {
        SfenHeader header;
        std::string error;
        ASSERT_TRUE(ReadSfen(sfen, header, error)) << sfen << ": " << error;
        EXPECT_EQ(WriteSfen(1, header), sfen);
    }
}

TEST(Sfen, SetsKingSquaresAndAcceptsHandsInAnyOrder)
{
    EXPECT_EQ(LoadSfen("5/5/1k3/5/3K1 w PrRp"), Gote);
    EXPECT_EQ(WriteSfen(1, { Gote, 1 }), "5/5/1k3/5/3K1 w RPrp 1");
    EXPECT_EQ(KingX[1][SideIndex(Gote)], 2);
    EXPECT_EQ(KingY[1][SideIndex(Gote)], 3);
    EXPECT_EQ(KingX[1][SideIndex(Sente)], 4);
    EXPECT_EQ(KingY[1][SideIndex(Sente)], 5);
}

struct BadSfen {
    const char* name;
    const char* sfen;
    const char* error;
};

void PrintTo(const BadSfen& c, std::ostream* os) { *os << c.name << " '" << c.sfen << "'"; }

class SfenErrors : public testing::TestWithParam<BadSfen> { };

TEST_P(SfenErrors, AreRefusedWithAReasonAndChangeNothing)
{
    LoadSfen(Base);
    const PlySnapshot before(1);
    SfenHeader header { Gote, 5 };
    std::string error;
    EXPECT_FALSE(ReadSfen(GetParam().sfen, header, error)) << GetParam().sfen;
    EXPECT_NE(error.find(GetParam().error), std::string::npos)
        << GetParam().sfen << " -> " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
    EXPECT_TRUE(before == PlySnapshot(1)) << GetParam().sfen;
    EXPECT_EQ(header.side, Gote);
    EXPECT_EQ(header.moveNumber, 5);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, SfenErrors, testing::Values(
    BadSfen { "NoFields", "", "fields" },
    BadSfen { "FourRows", "kgsbr/p4/5/4P b - 1", "5 rows" },
    BadSfen { "SixRows", "kgsbr/p4/5/4P/RBSGK/5 b - 1", "more than 5 rows" },
    BadSfen { "RowWithSixSquares", "kgsbr/p5/5/4P/RBSGK b - 1", "row 2" },
    BadSfen { "RowWithFourSquares", "kgsbr/p3/5/4P/RBSGK b - 1", "row 2 has 4 squares" },
    BadSfen { "UnknownPiece", "kgsbx/p4/5/4P/RBSGK b - 1", "unknown piece 'x'" },
    BadSfen { "PromotedGold", "kgsbr/p4/5/4P/RBS+GK b - 1", "'+G'" },
    BadSfen { "UnknownSide", "kgsbr/p4/5/4P/RBSGK x - 1", "side to move" },
    BadSfen { "NoSenteKing", "kgsbr/p4/5/4P/RBSG1 b - 1", "Sente needs exactly one king" },
    BadSfen { "TwoGoteKings", "kgsbk/p4/5/4P/RBSGK b - 1", "Gote needs exactly one king" },
    BadSfen { "ThirdPawn", "kgsbr/p4/5/4P/RBSGK b P 1", "3 pawns" },
    BadSfen { "PromotedPieceInHand", "kgsbr/p4/5/4P/RBSGK b +r 1", "cannot be held" },
    BadSfen { "ThirdSilver", "kgsbr/p4/5/1+S2P/RBSGK b - 1", "3 silvers" },
    BadSfen { "SentePawnOnItsFarRow", "k1P2/5/5/5/4K b - 1", "far row at 3a" },
    BadSfen { "GotePawnOnItsFarRow", "k4/5/5/5/2p1K w - 1", "far row at 3e" },
    BadSfen { "HandCountZero", "k4/5/5/5/4K b 0P 1", "small positive number" },
    BadSfen { "HandCountTooLarge", "k4/5/5/5/4K b 300000000000P 1", "small positive number" },
    BadSfen { "ThreeOfAKindInHand", "k4/5/5/5/4K b 3P 1", "more than 2" },
    BadSfen { "CountWithoutAPiece", "k4/5/5/5/4K b 2 1", "without a piece letter" },
    BadSfen { "KingInHand", "k4/5/5/5/4K b K 1", "cannot be held" },
    BadSfen { "MoveNumberZero", "k4/5/5/5/4K b - 0", "move number" },
    BadSfen { "MoveNumberTooLarge", "k4/5/5/5/4K b - 99999999999999", "move number" },
    BadSfen { "GoteInCheckWithSenteToMove", "k3R/5/5/5/4K b - 1", "Gote, not to move, is in check" },
    BadSfen { "SenteInCheckWithGoteToMove", "k4/5/5/5/r3K w - 1", "Sente, not to move, is in check" }),
    CaseName);
// clang-format on

TEST(UsiMove, WritesBoardMovesPromotionsAndDrops)
{
    const Move board { 5, 5, 4, 4, 0 }, promotion { 3, 2, 3, 1, 1 }, drop { Pawn, 6, 3, 3, 0 };
    EXPECT_EQ(WriteUsiMove(board), "1e2d");
    EXPECT_EQ(WriteUsiMove(promotion), "3b3a+");
    EXPECT_EQ(WriteUsiMove(drop), "P*3c");
    std::string error;
    EXPECT_EQ(ReadUsiMove("G*4b", Gote, error), (Move { Gold, 7, 2, 2, 0 }));
    EXPECT_EQ(ReadUsiMove("3b3a+", Sente, error), promotion);
}

struct BadMove {
    const char* name;
    const char* sfen;
    const char* move;
    const char* error;
};

void PrintTo(const BadMove& c, std::ostream* os)
{
    *os << c.name << " " << c.sfen << " '" << c.move << "'";
}

class UsiMoveErrors : public testing::TestWithParam<BadMove> { };

TEST_P(UsiMoveErrors, AreRefusedWithAReasonAndChangeNothing)
{
    const int side = LoadSfen(GetParam().sfen);
    const PlySnapshot before(1);
    std::string error;
    EXPECT_FALSE(PlayUsiMove(GetParam().move, side, error, VelmoraRules)) << GetParam().move;
    EXPECT_NE(error.find(GetParam().error), std::string::npos)
        << GetParam().move << " -> " << error;
    EXPECT_TRUE(before == PlySnapshot(1)) << GetParam().move;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, UsiMoveErrors, testing::Values(
    BadMove { "Empty", Base, "", "not a USI move" },
    BadMove { "TwoPluses", Base, "1e2d++", "not a USI move" },
    BadMove { "FileSix", Base, "6e2d", "bad square" },
    BadMove { "RankF", Base, "1e2f", "bad square" },
    BadMove { "KingDrop", Base, "K*3c", "unknown piece" },
    BadMove { "DropOnABadSquare", Base, "P*3z", "bad destination" },
    BadMove { "FromAnEmptySquare", Base, "3c3b", "no such piece" },      // empty square
    BadMove { "OpponentsKing", Base, "5a5b", "no such piece" },      // the opponent's king
    BadMove { "DropFromAnEmptyHand", Base, "P*3c", "no such piece" },      // nothing in hand
    BadMove { "BeyondThePiecesReach", Base, "1d1b", "cannot go there" },
    BadMove { "PromotionOutsideTheZone", Base, "1d1c+", "cannot promote" },
    BadMove { "PawnMustPromote", "k4/2P2/5/5/4K b - 1", "3b3a", "must promote" },
    BadMove { "LeavesTheKingAttacked", "k4/5/5/1r3/4K b - 1", "1e2d", "own king attacked" },
    BadMove { "PawnDropOnItsFarRow", "k4/5/5/5/4K b P 1", "P*4a", "cannot go there" }),
    CaseName);
// clang-format on

TEST(UsiMove, PlaysALegalMoveOnPly1)
{
    const int side = LoadSfen("k4/5/5/5/4K b S 1");
    std::string error;
    ASSERT_TRUE(PlayUsiMove("S*3b", side, error, VelmoraRules)) << error;
    EXPECT_EQ(WriteSfen(1, { Gote, 2 }), "k4/2S2/5/5/4K w - 2");
}
