#include "recording_view.h"

#include "tests/support/case_names.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct EndCase {
    const char* sfen; // a person to move
    const char* move;
    std::vector<std::string> messages; // empty: the turn passes
};

class Referee : public testing::TestWithParam<EndCase> { };

bool TargetsEmpty()
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (TargetMap[1][x][y] != 0)
                return false;
    return true;
}

} // namespace

TEST_P(Referee, EndsTheGameOnlyByMateOrAnExposedKing)
{
    const EndCase c = GetParam();
    RecordingView view;
    StartGameAt(view, c.sfen, false, false);
    const int mover = Game.SideToMove;
    PlayByMouse(view, c.move);
    EXPECT_EQ(view.Messages(), c.messages) << c.sfen << " " << c.move;
    const bool ended = !c.messages.empty();
    EXPECT_EQ(Game.GameRunning, !ended) << c.sfen << " " << c.move;
    EXPECT_EQ(view.captions[1], ended ? "Play" : "Stop");
    EXPECT_EQ(Game.SideToMove, ended ? mover : -mover) << "an ended game keeps the last mover";
    EXPECT_TRUE(TargetsEmpty()) << "no pick survives the move";
}

namespace {
void PrintTo(const EndCase& c, std::ostream* os) { *os << c.sfen << " " << c.move; }
std::string EndName(const testing::TestParamInfo<EndCase>& info)
{
    const EndCase& c = info.param;
    const char* end = c.messages.empty()    ? "PassesTheTurn"
        : c.messages.back() == "先手の勝ち" ? "SenteWins"
                                            : "GoteWins";
    return MoveName(c.move) + end;
}
} // namespace

// clang-format off
INSTANTIATE_TEST_SUITE_P(Moves, Referee, testing::Values(
    // The gold mates: the king's three squares are all covered.
    EndCase { "k4/5/1GS2/5/4K b - 1", "4c4b", { "まで", "先手の勝ち" } },
    // Gote mates with a gold drop next to the king, held by a silver.
    EndCase { "4k/5/2s2/5/4K w g 1", "G*2d", { "まで", "後手の勝ち" } },
    // A pawn drop that mates ends the game like any other mate.
    EndCase { "k4/2S2/1G3/5/4K b P 1", "P*5b", { "まで", "先手の勝ち" } },
    // The gold leaves the rook's file: the mover's own king is attacked and Gote wins,
    // although the move also gives check.
    EndCase { "r1k2/5/G4/5/K4 b - 1", "5c4b", { "まで", "後手の勝ち" } },
    // A check that only the gold can answer, by stepping between, just passes the turn.
    EndCase { "kg3/5/2S2/5/2R1K b - 1", "3e5e", {} },
    // Leaving the opponent without a legal move, but not in check, passes the turn.
    EndCase { "k4/5/1GS2/5/4K b - 1", "3c3b", {} }),
    EndName);
// clang-format on
