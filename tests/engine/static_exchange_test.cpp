#include "engine/strong/static_exchange.h"
#include "tests/support/search_board_check.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

// The exchange on a move's square, each side free to stop, with the exact threshold where the
// answer turns.
namespace {

struct ExchangeCase {
    const char* sfen;
    const char* move;
    int breakEven; // the move gains at least this, and not one centipawn more
};

// Silver 778, gold 846, rook 1010, pawn 256.
const ExchangeCase Cases[] = {
    { "4k/5/2g2/2P2/K4 b - 1", "3d3c", 846 }, // an undefended gold
    { "4k/2g2/2p2/5/K1R2 b - 1", "3e3c", 256 - 1010 }, // a pawn the gold defends
    { "4k/2p2/5/5/K4 b S 1", "S*3c", -778 }, // a silver dropped where a pawn takes it
    { "4k/2g2/2s2/2R2/K1R2 b - 1", "3d3c", 778 - 1010 + 846 }, // the rook behind recaptures
    { "4k/2g2/2s2/2R2/K4 b - 1", "3d3c", 778 - 1010 }, // no rook behind
    { "4k/3p1/2SG1/5/K4 b - 1", "2c2b", 256 }, // the king may not take back a defended gold
    { "4k/3p1/3G1/5/K4 b - 1", "2c2b", 256 - 846 }, // nor is it kept from an undefended one
    { "4k/2g2/2p2/5/K1R2 b G 1", "G*4d", 0 }, // a drop nothing attacks
    { "4k/2g2/2p2/5/K1R2 b G 1", "G*3d", 256 - 846 }, // the rook takes back the pawn
};

} // namespace

TEST(ExchangeAtLeast, TurnsExactlyAtTheExchangesWorth)
{
    for (const ExchangeCase& c : Cases) {
        const int side = LoadSfen(c.sfen);
        const SearchBoard board = LoadBoard(1, CountMaterial(1, side));
        const SearchMove m = ToSearchMove(UsiMove(c.move, side));
        EXPECT_TRUE(ExchangeAtLeast(board, side, m, c.breakEven)) << c.sfen << " " << c.move;
        EXPECT_FALSE(ExchangeAtLeast(board, side, m, c.breakEven + 1)) << c.sfen << " " << c.move;
    }
}

// Under the weights of the current fit; a promoted piece goes to the enemy's hand as its plain
// kind, so a tokin costs the tokin's board weight (254) and a pawn's in hand (160).
TEST(ExchangeValue, IsThePiecesBoardWeightAndTheFirstOfItsKindInTheEnemysHand)
{
    const int32_t expected[PieceTypeCount + 1]
        = { 0, 256, 778, 869, 1010, 846, KingExchangeValue, 414, 632, 1113, 1217 };
    for (int type = Pawn; type <= PieceTypeCount; ++type)
        EXPECT_EQ(ExchangeValue[type], expected[type]) << "type " << type;
}
