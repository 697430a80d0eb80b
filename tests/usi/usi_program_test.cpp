#include "engine_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The built velmora-usi on pipes, driven as a front end drives it: answers are read as they
// come, with lines sent while it counts or searches.

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// A position with both hands full: checks abound and no mate search ends soon.
constexpr const char* FullHands = "position sfen 2k2/5/5/5/K4 b RBGSPrbgsp 1";

} // namespace

TEST(UsiProgram, HoldsAWindowsFrontEndsConversation)
{
    EngineProcess engine(VELMORA_USI_PROGRAM);
    engine.Write("usi\r\n");
    const std::vector<std::string> hello = engine.ReadThrough("usiok");
    ASSERT_FALSE(hello.empty());
    EXPECT_EQ(hello[0].rfind("id name Velmora ", 0), 0u) << Joined(hello);
    engine.Write("setoption name USI_Hash value 16\r\nisready\r\n");
    EXPECT_EQ(engine.ReadLine(), "readyok");
    engine.Write(
        "usinewgame\r\nposition startpos moves 5d5c 5a5b\r\ngo btime 0 wtime 0 byoyomi 1000\r\n");
    const std::vector<std::string> answer = engine.ReadThrough("bestmove");
    ASSERT_GE(answer.size(), 2u) << Joined(answer);
    // The best move is the first of the last line the search reported.
    const std::string& last = answer[answer.size() - 2];
    EXPECT_EQ(last.rfind("info depth ", 0), 0u) << last;
    const size_t pv = last.find(" pv ");
    ASSERT_NE(pv, std::string::npos) << last;
    EXPECT_EQ(answer.back().substr(0, 14), "bestmove " + last.substr(pv + 4, 5)) << Joined(answer);
    engine.Write("gameover draw\r\nquit\r\n");
    EXPECT_EQ(engine.Wait(), 0);
}

TEST(UsiProgram, AnswersIsReadyAndStopsDuringALongPerft)
{
    EngineProcess engine(VELMORA_USI_PROGRAM);
    engine.Send("position startpos");
    engine.Send("go perft 7");
    engine.Send("isready");
    EXPECT_EQ(engine.ReadLine(), "readyok") << "before any count";
    engine.Send("stop");
    EXPECT_EQ(engine.ReadLine(), "info string perft stopped");
    engine.Send("isready");
    EXPECT_EQ(engine.ReadLine(), "readyok");
}

TEST(UsiProgram, AnswersIsReadyAndStopsDuringAnOpenEndedMateSearch)
{
    EngineProcess engine(VELMORA_USI_PROGRAM);
    engine.Send(FullHands);
    engine.Send("go mate infinite");
    engine.Send("isready");
    EXPECT_EQ(engine.ReadLine(), "readyok");
    engine.Send("stop");
    const std::vector<std::string> answer = engine.ReadThrough("checkmate");
    ASSERT_EQ(answer.size(), 2u) << Joined(answer);
    EXPECT_EQ(answer[0].rfind("info nodes ", 0), 0u) << answer[0];
    EXPECT_EQ(answer[1], "checkmate timeout");
}

TEST(UsiProgram, HoldsThePonderMoveUntilPonderHit)
{
    EngineProcess engine(VELMORA_USI_PROGRAM);
    engine.Send("position startpos moves 5d5c");
    engine.Send("go ponder btime 0 wtime 0 byoyomi 200");
    engine.Send("isready");
    for (const std::string& line : engine.ReadThrough("readyok"))
        EXPECT_NE(line.rfind("bestmove", 0), 0u) << "no bestmove while pondering";
    engine.Send("ponderhit");
    EXPECT_EQ(engine.ReadThrough("bestmove").back().rfind("bestmove ", 0), 0u);
    engine.Send("stop");
    engine.Send("isready");
    EXPECT_EQ(engine.ReadLine(), "readyok") << "one bestmove per go";
}

TEST(UsiProgram, EndsAtQuitOrAtTheEndOfInputDuringAnOpenEndedSearch)
{
    for (const bool quit : { true, false }) {
        EngineProcess engine(VELMORA_USI_PROGRAM);
        engine.Send(FullHands);
        engine.Send("go mate infinite");
        if (quit)
            engine.Send("quit");
        else
            engine.CloseInput();
        EXPECT_EQ(engine.ReadThrough("checkmate").back(), "checkmate timeout");
        EXPECT_EQ(engine.Wait(), 0);
    }
}

TEST(UsiProgram, FinishesACountBeforeTheEndOfInput)
{
    EngineProcess engine(VELMORA_USI_PROGRAM);
    engine.Send("position startpos");
    engine.Send("go perft 4");
    engine.CloseInput();
    EXPECT_EQ(engine.ReadThrough("Nodes searched").back(), "Nodes searched: 35401");
    EXPECT_EQ(engine.Wait(), 0);
}
