#include "engine/board/search_board.h"
#include "engine/classic/material.h"
#include "rules/check.h"
#include "tests/support/random_play.h"
#include "tests/support/search_board_check.h"
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

} // namespace

TEST(SearchBoard, AgreesWithTheRulesAlongRandomGames)
{
    for (const std::string& sfen : RandomPlayPositions(Seed, PositionCount, GameLength)) {
        const int side = LoadSfen(sfen);
        const SearchBoard board = LoadBoard(1, CountMaterial(1, Sente));
        EXPECT_EQ(FindSearchBoardFault(board, 1), "") << sfen;
        for (int sq = 0; sq < SquareCount; ++sq)
            if (board.code[sq] != 0) {
                GenerateTargets(1, XOf(sq), YOf(sq));
                EXPECT_EQ(PieceAttacks(board.code[sq], sq, Occupied(board)), TargetSquares(1))
                    << sfen;
            }
        ForEachMove(1, side, [&](const Move& m) {
            SearchBoard next = board;
            Play(next, side, ToSearchMove(m));
            CopyPly(1);
            MakeMove(2, m.fromX, m.fromY, m.toX, m.toY, m.promote);
            EXPECT_EQ(FindSearchBoardFault(next, 2), "") << sfen << " " << WriteUsiMove(m);
        });
    }
}
