#include "recording_view.h"

#include "record/record_reader.h"
#include "ui/game_session.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

// A new window's session with the strong computer chosen.
class StrongComputer : public testing::Test {
protected:
    void SetUp() override
    {
        Game = GameState {};
        session.StartUp();
        session.ChooseComputer(Computer::Strong);
        view.calls.clear();
    }

    // Opens the position and starts a game in it with the computer on the side to move.
    void PlayFrom(const std::string& usiPosition, const RuleSet& rules)
    {
        session.ChangeRules(rules);
        ASSERT_TRUE(session.Open(usiPosition)) << testing::PrintToString(view.Messages());
        if (!Game.ComputerToMove())
            session.TogglePlayer(Game.SideToMove);
        session.PlayOrStop();
        ASSERT_TRUE(session.ComputerIsToMove());
        view.calls.clear();
    }

    // Ticks as the window's timer does until the computer has moved or the game has ended.
    void TickUntilAnswered()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (session.ComputerIsToMove() && std::chrono::steady_clock::now() < deadline) {
            session.Tick();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_FALSE(session.ComputerIsToMove()) << "no answer within 30 s";
    }

    RecordingView view;
    GameSession session { view };
};

// Sente's pawn drop on 5b mates; nothing else does.
constexpr const char* PawnDropMate = "position sfen k4/2S2/1G3/5/4K b P 1";

} // namespace

// The strong computer's answer goes the classic computer's way: made on ply 1, framed in red,
// refereed and recorded, and the record reads back move for move under the rules in force. It
// mates with the pawn drop in Velmora's game and never plays that drop under standard rules.
TEST_F(StrongComputer, AnswersWithALegalMoveAndDropsAPawnToMateOnlyInVelmorasGame)
{
    for (const RuleSet* rules : { &VelmoraRules, &StandardRules }) {
        const bool velmora = rules == &VelmoraRules;
        SCOPED_TRACE(velmora ? "Velmora" : "standard");
        SetUp();
        session.SetThinkingTime(200);
        PlayFrom(PawnDropMate, *rules);
        TickUntilAnswered();
        ASSERT_EQ(Record.moves.size(), 1u);
        const Move& move = Record.moves[0].move;
        EXPECT_EQ(WriteUsiMove(move) == "P*5b", velmora) << WriteUsiMove(move);
        EXPECT_EQ(Record.end, velmora ? GameEnd::Mate : GameEnd::Running);
        // The title says the computer thinks from its first tick until its move is played.
        ASSERT_GE(view.calls.size(), 5u);
        EXPECT_EQ(view.calls[0], "title Velmora - thinking");
        EXPECT_EQ(view.calls[1], "title Velmora");
        EXPECT_EQ(view.calls[2], "draw 1");
        EXPECT_EQ(
            view.calls[3], "mark " + std::to_string(move.fromX) + " " + std::to_string(move.fromY));
        EXPECT_EQ(
            view.calls[4], "mark " + std::to_string(move.toX) + " " + std::to_string(move.toY));
        GameRecord read;
        std::string error;
        EXPECT_TRUE(ReadGameRecord(Record.UsiPosition(), *rules, read, error)) << error;
    }
}

// From the designed start the strong computer, playing Gote, answers the person's opening move.
TEST_F(StrongComputer, AnswersThePersonFromTheDesignedStart)
{
    session.SetThinkingTime(100);
    session.PlayOrStop();
    PlayByMouse(view, "1d1c");
    ASSERT_TRUE(session.ComputerIsToMove());
    TickUntilAnswered();
    ASSERT_EQ(Record.moves.size(), 2u);
    EXPECT_EQ(Game.SideToMove, Sente);
    GameRecord read;
    std::string error;
    EXPECT_TRUE(ReadGameRecord(Record.UsiPosition(), VelmoraRules, read, error)) << error;
}

// Whatever ends the game while the strong computer thinks ends its search with it: no move is
// made, then or later, and the title no longer says it thinks. "Stop" leaves the record as it
// was; an opened record replaces it whole.
TEST_F(StrongComputer, StopOrOpeningAnotherGameWhileItThinksMakesNoMove)
{
    const struct {
        const char* name;
        void (*endGame)(GameSession&);
        const char* record; // the moves of the record afterwards
        GameEnd ending; // and how it ended
        const char* title; // no longer "thinking"
    } endings[] = {
        { "Stop", [](GameSession& s) { s.PlayOrStop(); }, "1d1c 5b5c", GameEnd::Stopped,
            "Velmora" },
        { "Open", [](GameSession& s) { s.Open("position startpos moves 1d1c"); }, "1d1c",
            GameEnd::Running, "Velmora - move 1 of 1" },
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        SetUp();
        session.SetThinkingTime(10000);
        PlayFrom("position startpos moves 1d1c 5b5c", VelmoraRules);
        session.Tick();
        ASSERT_TRUE(session.Thinking());
        session.Tick();
        ASSERT_EQ(view.title, "Velmora - thinking");
        ending.endGame(session);
        EXPECT_FALSE(session.Thinking());
        EXPECT_EQ(view.title, ending.title);
        EXPECT_FALSE(Game.GameRunning);
        EXPECT_EQ(view.captions[1], "Play");
        for (int i = 0; i < 5; ++i)
            session.Tick();
        std::string moves;
        for (const RecordedMove& m : Record.moves)
            moves += (moves.empty() ? "" : " ") + WriteUsiMove(m.move);
        EXPECT_EQ(moves, ending.record);
        EXPECT_EQ(Record.end, ending.ending);
    }
}

// A window closed while the strong computer thinks stops the search and waits for its thread.
TEST_F(StrongComputer, ClosingTheWindowWhileItThinksEndsTheSearch)
{
    {
        RecordingView closing;
        GameSession closed { closing };
        closed.StartUp();
        closed.ChooseComputer(Computer::Strong);
        closed.SetThinkingTime(10000);
        closed.TogglePlayer(Sente);
        closed.PlayOrStop();
        closed.Tick();
        ASSERT_TRUE(closed.Thinking());
    }
    EXPECT_EQ(Record.moves.size(), 0u);
}

// The computer is chosen while no game runs; a running game keeps the one it started with.
TEST_F(StrongComputer, IsChosenOnlyWhileNoGameRuns)
{
    session.PlayOrStop();
    session.ChooseComputer(Computer::Classic);
    EXPECT_EQ(session.ChosenComputer(), Computer::Strong);
    session.ChooseLevel(0);
    EXPECT_EQ(session.ChosenLevel(), FullStrength);
    session.PlayOrStop();
    session.ChooseComputer(Computer::Classic);
    EXPECT_EQ(session.ChosenComputer(), Computer::Classic);
    session.ChooseLevel(0);
    EXPECT_EQ(session.ChosenComputer(), Computer::Strong);
    EXPECT_EQ(session.ChosenLevel(), 0u);
    session.ChooseComputer(Computer::Strong);
    EXPECT_EQ(session.ChosenLevel(), FullStrength) << "Strong alone is the ladder's top";
}

// Every rung of the ladder answers the person with a move the record keeps.
TEST_F(StrongComputer, AnswersAtEveryRungOfTheLadder)
{
    for (size_t rung = 0; rung < std::size(ComputerLadder); ++rung) {
        SCOPED_TRACE(ComputerLadder[rung].name);
        SetUp();
        session.SetThinkingTime(100);
        session.ChooseLevel(rung);
        session.PlayOrStop();
        PlayByMouse(view, "1d1c");
        TickUntilAnswered();
        EXPECT_EQ(Record.moves.size(), 2u);
    }
}
