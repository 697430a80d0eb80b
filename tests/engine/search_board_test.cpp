#include "engine/evaluation.h"
#include "engine/search_board.h"
#include "rules/check.h"
#include "tests/support/random_play.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

// The search boards must see every position exactly as the rules do: the same targets, the same
// attacked kings and the same position after every move.
namespace {

constexpr uint32_t Seed = 7;
constexpr int PositionCount = 150;
constexpr int GameLength = 60;

Bitboard TargetSquares(int p)
{
    Bitboard squares = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (TargetMap[p][x][y] != TargetNone)
                squares |= Bit(SquareAt(x, y));
    return squares;
}

// Board, hands, kings and material of the search board against ply p.
void ExpectSameAsPly(const SearchBoard& b, int p, const std::string& where)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            ASSERT_EQ(b.code[SquareAt(x, y)], Position[p][x][y])
                << where << " at " << x << "," << y;
    for (int t = 1; t <= HandTypeCount; ++t) {
        ASSERT_EQ(b.hand[0][t], Position[p][t][HandRow(Sente)]) << where;
        ASSERT_EQ(b.hand[1][t], Position[p][t][HandRow(Gote)]) << where;
    }
    for (int s : { Sente, Gote })
        ASSERT_EQ(b.king[SideIndex(s)], SquareAt(KingX[p][s + 1], KingY[p][s + 1])) << where;
}

} // namespace

TEST(SearchBoard, AgreesWithTheRulesAlongRandomGames)
{
    for (const std::string& sfen : RandomPlayPositions(Seed, PositionCount, GameLength)) {
        const int side = LoadSfen(sfen);
        const SearchBoard board = LoadBoard(1, CountMaterial(1, Sente));
        for (int s : { Sente, Gote })
            EXPECT_EQ(KingAttacked(board, s), IsKingAttacked(1, s) == 1) << sfen;
        for (int sq = 0; sq < SquareCount; ++sq)
            if (board.code[sq] != 0) {
                GenerateTargets(1, XOf(sq), YOf(sq));
                EXPECT_EQ(PieceAttacks(board.code[sq], sq, Occupied(board)), TargetSquares(1))
                    << sfen;
            }
        ForEachMove(1, side, [&](const Move& m) {
            const bool drop = m.fromY > BoardSize;
            const SearchMove move { int8_t(drop ? 0 : SquareAt(m.fromX, m.fromY)),
                int8_t(SquareAt(m.toX, m.toY)), int8_t(drop ? m.fromX : 0), m.promote };
            SearchBoard next = board;
            Play(next, side, move);
            CopyPly(1);
            MakeMove(2, m.fromX, m.fromY, m.toX, m.toY, m.promote);
            const std::string where = sfen + " " + WriteUsiMove(m);
            ExpectSameAsPly(next, 2, where);
            EXPECT_EQ(next.material, CountMaterial(2, Sente)) << where;
            for (int s : { Sente, Gote })
                EXPECT_EQ(KingAttacked(next, s), IsKingAttacked(2, s) == 1) << where;
        });
    }
}
