#include "recording_view.h"

#include "ui/computer_turn.h"

#include <gtest/gtest.h>

namespace {

// Gote to move with its king boxed in: every king move walks into the rook or the bishop.
constexpr const char* GoteLost = "k4/4R/3B1/5/4K w - 1";
// The same for Sente.
constexpr const char* SenteLost = "k4/5/1b3/r4/4K b - 1";

struct ResignCase {
    const char* sfen;
    int level;
    bool computerSente;
    std::vector<std::string> messages;
};

class Resignation : public testing::TestWithParam<ResignCase> { };

} // namespace

TEST(ComputerTurn, PlaysAMateWithRedFramesAndAnnouncesIt)
{
    RecordingView view;
    // The silver's step to 2d is the first mate at once in the computer's order.
    StartGameAt(view, "4k/5/2sg1/5/4K w - 1", false, true);
    view.onMessage = [&] { TimerTick(view); }; // the timer keeps ticking inside a message box
    TimerTick(view);
    EXPECT_EQ(view.calls,
        (std::vector<std::string> { "draw 1", "mark 3 3", "mark 4 4", "caption 1 Play",
            "message まで", "message 後手の勝ち" }));
    EXPECT_EQ(Ply1Sfen(), "4k/5/3g1/3s1/4K w - 1");
    EXPECT_FALSE(Game.ComputerBusy);
}

TEST(ComputerTurn, FramesADropOnItsHandSlot)
{
    RecordingView view;
    // Gote's only piece besides its king is the gold in hand; dropping it on 2d mates.
    StartGameAt(view, "4k/5/2s2/5/4K w g 1", false, true);
    TimerTick(view);
    ASSERT_GE(view.calls.size(), 3u);
    EXPECT_EQ(view.calls[1], "mark 5 7");
    EXPECT_EQ(view.calls[2], "mark 4 4");
}

TEST_P(Resignation, StopsTheGameAndSaysSoInOrder)
{
    const ResignCase c = GetParam();
    RecordingView view;
    StartGameAt(view, c.sfen, c.computerSente, !c.computerSente);
    Game.Level = static_cast<int8_t>(c.level);
    const std::string before = Ply1Sfen();
    view.onMessage = [&] { TimerTick(view); };
    TimerTick(view);
    EXPECT_EQ(view.calls.front(), "caption 1 Play") << "no move is drawn";
    EXPECT_EQ(view.Messages(), c.messages) << c.sfen << " level " << c.level;
    EXPECT_FALSE(Game.GameRunning);
    EXPECT_EQ(Ply1Sfen(), before) << "the side to move and the position stay";
}

namespace {
void PrintTo(const ResignCase& c, std::ostream* os) { *os << c.sfen << " level " << c.level; }
std::string ResignName(const testing::TestParamInfo<ResignCase>& info)
{
    return "Level" + std::to_string(info.param.level)
        + (info.param.computerSente ? "ComputerSente" : "ComputerGote");
}
} // namespace

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Resignation, testing::Values(
    ResignCase { GoteLost, 3, false, { "いやお強い！", "まいりました", "先手の勝ち" } },
    ResignCase { GoteLost, 2, false, { "まいりました", "先手の勝ち" } },
    ResignCase { GoteLost, 1, false, { "まいりました", "先手の勝ち" } },
    ResignCase { SenteLost, 3, true, { "まいりました", "後手の勝ち" } }),
    ResignName);
// clang-format on

TEST(TimerTick, LeavesThePersonsTurnTheStoppedGameAndABusyComputerAlone)
{
    RecordingView view;
    StartGameAt(view, "4k/5/2sg1/5/4K w - 1", true, false);
    TimerTick(view); // a person plays Gote
    Game.ComputerPlays[SideIndex(Gote)] = true;
    Game.GameRunning = false;
    TimerTick(view);
    Game.GameRunning = true;
    Game.ComputerBusy = true;
    TimerTick(view);
    EXPECT_TRUE(view.calls.empty());
}

TEST(TimerTick, LetsTheComputerOpenWhenItPlaysSente)
{
    RecordingView view;
    StartUp(view);
    TogglePlayer(view, Sente);
    PlayOrStop(view);
    view.calls.clear();
    TimerTick(view);
    ASSERT_EQ(view.calls.size(), 3u);
    EXPECT_EQ(view.calls[0], "draw 1");
    EXPECT_EQ(Game.SideToMove, Gote);
    EXPECT_TRUE(Game.GameRunning);
}
