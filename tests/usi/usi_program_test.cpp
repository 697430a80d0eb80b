#include "tools/process/engine_process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// The built velmora-usi on pipes, driven as a front end drives it: answers are read as they
// come, with lines sent while it counts or searches.

namespace {

using namespace std::chrono_literals;

// The next answer line, or nothing once a minute passes or the output ends.
std::optional<std::string> NextLine(EngineProcess& engine)
{
    std::string line;
    if (engine.ReadLine(line, EngineProcess::Clock::now() + 60s) != EngineProcess::Read::Line)
        return std::nullopt;
    return line;
}

// Every line up to and including the first that starts with prefix; empty when none came.
std::vector<std::string> LinesThrough(EngineProcess& engine, const std::string& prefix)
{
    std::vector<std::string> lines;
    while (const auto line = NextLine(engine)) {
        lines.push_back(*line);
        if (line->starts_with(prefix))
            return lines;
    }
    return {};
}

// The program started as a front end starts it, its warnings shown with the test's output.
struct VelmoraUsi : EngineProcess {
    VelmoraUsi()
        : EngineProcess(VELMORA_USI_PROGRAM, true)
    {
    }
};

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
    VelmoraUsi engine;
    engine.Write("usi\r\n");
    const std::vector<std::string> hello = LinesThrough(engine, "usiok");
    ASSERT_FALSE(hello.empty());
    EXPECT_EQ(hello[0].rfind("id name Velmora ", 0), 0u) << Joined(hello);
    engine.Write("setoption name USI_Hash value 16\r\nisready\r\n");
    EXPECT_EQ(NextLine(engine), "readyok");
    engine.Write(
        "usinewgame\r\nposition startpos moves 5d5c 5a5b\r\ngo btime 0 wtime 0 byoyomi 1000\r\n");
    const std::vector<std::string> answer = LinesThrough(engine, "bestmove");
    ASSERT_GE(answer.size(), 2u) << Joined(answer);
    // The best move is the first of the last line the search reported.
    const std::string& last = answer[answer.size() - 2];
    EXPECT_EQ(last.rfind("info depth ", 0), 0u) << last;
    const size_t pv = last.find(" pv ");
    ASSERT_NE(pv, std::string::npos) << last;
    EXPECT_EQ(answer.back().substr(0, 14), "bestmove " + last.substr(pv + 4, 5)) << Joined(answer);
    engine.Write("gameover draw\r\nquit\r\n");
    EXPECT_EQ(engine.Wait(60s), 0);
}

TEST(UsiProgram, AnswersIsReadyAndStopsDuringALongPerft)
{
    VelmoraUsi engine;
    engine.Send("position startpos");
    engine.Send("go perft 7");
    engine.Send("isready");
    EXPECT_EQ(NextLine(engine), "readyok") << "before any count";
    engine.Send("stop");
    EXPECT_EQ(NextLine(engine), "info string perft stopped");
    engine.Send("isready");
    EXPECT_EQ(NextLine(engine), "readyok");
}

TEST(UsiProgram, AnswersIsReadyAndStopsDuringAnOpenEndedMateSearch)
{
    VelmoraUsi engine;
    engine.Send(FullHands);
    engine.Send("go mate infinite");
    engine.Send("isready");
    EXPECT_EQ(NextLine(engine), "readyok");
    engine.Send("stop");
    const std::vector<std::string> answer = LinesThrough(engine, "checkmate");
    ASSERT_EQ(answer.size(), 2u) << Joined(answer);
    EXPECT_EQ(answer[0].rfind("info nodes ", 0), 0u) << answer[0];
    EXPECT_EQ(answer[1], "checkmate timeout");
}

TEST(UsiProgram, HoldsThePonderMoveUntilPonderHit)
{
    VelmoraUsi engine;
    engine.Send("position startpos moves 5d5c");
    engine.Send("go ponder btime 0 wtime 0 byoyomi 200");
    engine.Send("isready");
    for (const std::string& line : LinesThrough(engine, "readyok"))
        EXPECT_NE(line.rfind("bestmove", 0), 0u) << "no bestmove while pondering";
    engine.Send("ponderhit");
    EXPECT_EQ(LinesThrough(engine, "bestmove").back().rfind("bestmove ", 0), 0u);
    engine.Send("stop");
    engine.Send("isready");
    EXPECT_EQ(NextLine(engine), "readyok") << "one bestmove per go";
}

TEST(UsiProgram, EndsAtQuitOrAtTheEndOfInputDuringAnOpenEndedSearch)
{
    for (const bool quit : { true, false }) {
        VelmoraUsi engine;
        engine.Send(FullHands);
        engine.Send("go mate infinite");
        if (quit)
            engine.Send("quit");
        else
            engine.CloseInput();
        EXPECT_EQ(LinesThrough(engine, "checkmate").back(), "checkmate timeout");
        EXPECT_EQ(engine.Wait(60s), 0);
    }
}

TEST(UsiProgram, FinishesACountBeforeTheEndOfInput)
{
    VelmoraUsi engine;
    engine.Send("position startpos");
    engine.Send("go perft 4");
    engine.CloseInput();
    EXPECT_EQ(LinesThrough(engine, "Nodes searched").back(), "Nodes searched: 35401");
    EXPECT_EQ(engine.Wait(60s), 0);
}
