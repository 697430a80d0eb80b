#include "recording_view.h"

#include "rules/make_move.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* LevelSfens[] = {
    "",
    "kgsbr/p4/5/4P/RBSGK b - 1",
    "kgsbr/p4/5/4P/R1SGK b - 1",
    "kgsbr/p4/5/4P/2SGK b - 1",
};

} // namespace

TEST(StartUp, ShowsTheLevelOnePositionWithNoGameRunning)
{
    RecordingView view;
    Game = GameState {};
    Game.GameRunning = true;
    StartUp(view);
    EXPECT_EQ(Ply1Sfen(), LevelSfens[1]);
    EXPECT_EQ(view.calls, std::vector<std::string> { "draw 1" });
    EXPECT_FALSE(Game.GameRunning);
    EXPECT_EQ(Game.Level, 1);
    EXPECT_EQ(Game.SideToMove, Sente);
    EXPECT_TRUE(Game.ComputerPlays[SideIndex(Gote)]);
    EXPECT_FALSE(Game.ComputerPlays[SideIndex(Sente)]);
}

TEST(PlayOrStop, StopFreezesThePositionAndPlayStartsAnewWithTheSamePlayers)
{
    RecordingView view;
    StartUp(view);
    PlayOrStop(view);
    EXPECT_EQ(view.captions[1], "Stop");
    EXPECT_TRUE(Game.GameRunning);
    PlayByMouse(view, "1d1c");
    ASSERT_EQ(Game.SideToMove, Gote);

    PlayOrStop(view);
    EXPECT_EQ(view.captions[1], "Play");
    EXPECT_FALSE(Game.GameRunning);
    EXPECT_EQ(Ply1Sfen(), "kgsbr/p4/4P/5/RBSGK w - 1") << "the stopped game stays on screen";

    view.calls.clear();
    PlayOrStop(view);
    EXPECT_EQ(Ply1Sfen(), LevelSfens[1]);
    EXPECT_EQ(Game.SideToMove, Sente);
    EXPECT_TRUE(Game.ComputerPlays[SideIndex(Gote)]);
    EXPECT_EQ(view.calls, (std::vector<std::string> { "draw 1", "draw 1", "caption 1 Stop" }));
}

TEST(PlayOrStop, ANewGameForgetsThePickOfTheLastOne)
{
    RecordingView view;
    StartUp(view);
    Game.ComputerPlays[SideIndex(Gote)] = false;
    PlayOrStop(view);
    ClickCell(view, 5, 4); // picks the pawn, whose destination is 1c
    PlayOrStop(view);
    PlayOrStop(view);
    view.calls.clear();
    PressOnPicture(view, CellMiddleX(5, 3), CellMiddleY(5, 3), MouseButton::Left);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(Ply1Sfen(), LevelSfens[1]);
}

// Label2 (Sente, bottom) and Label3 (Gote, top): pressing a "You" hands that side to the
// computer and the other to a person; pressing a "Com" leaves both sides to persons.
TEST(PlayerLabels, KeepTheComputerOnOneSideAtMost)
{
    RecordingView view;
    StartUp(view);
    struct Step {
        int side;
        const char* sente;
        const char* gote;
    };
    const Step steps[] = {
        { Sente, "Com", "You" },
        { Sente, "You", "You" },
        { Gote, "You", "Com" },
        { Sente, "Com", "You" },
        { Gote, "You", "Com" },
    };
    for (const Step& step : steps) {
        TogglePlayer(view, step.side);
        EXPECT_EQ(view.captions[2], step.sente);
        EXPECT_EQ(view.captions[3], step.gote);
        EXPECT_EQ(Game.ComputerPlays[SideIndex(Sente)], view.captions[2] == "Com");
        EXPECT_EQ(Game.ComputerPlays[SideIndex(Gote)], view.captions[3] == "Com");
    }
}

TEST(LevelLabel, CyclesAndShowsTheHandicapAtOnce)
{
    RecordingView view;
    StartUp(view);
    const int levels[] = { 2, 3, 1, 2 };
    for (int level : levels) {
        view.calls.clear();
        CycleLevel(view);
        EXPECT_EQ(Game.Level, level);
        EXPECT_EQ(view.captions[4], "lv" + std::to_string(level));
        EXPECT_EQ(Ply1Sfen(), LevelSfens[level]);
        EXPECT_EQ(view.calls.back(), "draw 1");
    }
    PlayOrStop(view);
    EXPECT_EQ(Ply1Sfen(), LevelSfens[2]) << "a game starts from the chosen level";
}

TEST(ControlLabels, IgnoreThePlayersAndTheLevelWhileAGameRuns)
{
    RecordingView view;
    StartUp(view);
    PlayOrStop(view);
    view.calls.clear();
    TogglePlayer(view, Sente);
    TogglePlayer(view, Gote);
    CycleLevel(view);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_TRUE(Game.ComputerPlays[SideIndex(Gote)]);
    EXPECT_FALSE(Game.ComputerPlays[SideIndex(Sente)]);
    EXPECT_EQ(Game.Level, 1);
}
