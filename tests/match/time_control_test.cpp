#include "tools/match/thinking_time.h"
#include "tools/match/time_control.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

// The go line each time mode sends; a clock shows both sides' times and increments, swapped for
// an engine that reads them the other way round (Fairy-Stockfish 11.1).
TEST(GoLine, SaysEachTimeModeAndShowsTheClocksInTheOrderTheEngineReads)
{
    const GameClocks clocks { { 9'870ms, 39'500ms }, { 100ms, 400ms } };
    const struct {
        TimeControl time;
        bool swapClocks;
        const char* line;
    } cases[] = {
        { { TimeMode::MoveTime, 200ms }, false, "go movetime 200" },
        { { TimeMode::MoveTime, 200ms }, true, "go movetime 200" },
        { { TimeMode::Byoyomi, 100ms }, false, "go btime 0 wtime 0 byoyomi 100" },
        { { TimeMode::Nodes, 100ms, 0ms, 0ms, 20'000 }, false, "go nodes 20000" },
        { { TimeMode::Clock, 0ms, 10'000ms, 100ms }, false,
            "go btime 9870 wtime 39500 binc 100 winc 400" },
        { { TimeMode::Clock, 0ms, 10'000ms, 100ms }, true,
            "go btime 39500 wtime 9870 binc 400 winc 100" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(GoLine(c.time, clocks, c.swapClocks), c.line);
}

TEST(GoLine, ShowsAClockRunOverInsideTheMarginAsEmpty)
{
    const GameClocks clocks { { -20ms, 1'000ms }, { 0ms, 0ms } };
    EXPECT_EQ(GoLine({ TimeMode::Clock }, clocks, false), "go btime 0 wtime 1000 binc 0 winc 0");
}

TEST(ThinkingTime, AveragesEachEnginesMovesToATenthOfAMillisecondAndKeepsTheLongest)
{
    ThinkingTime times[2];
    for (const auto used : { 76'400us, 75'900us, 77'000us })
        times[0].Add(used);
    ThinkingTime later;
    later.Add(103'000us);
    times[1] += later;
    later.Add(104'000us);
    times[1] += later;
    const std::string names[2] = { "Velmora 1.0", "Fairy-Stockfish 11.1" };
    EXPECT_EQ(times[1].moves, 3);
    EXPECT_EQ(DescribeAverages(names, times),
        "Velmora 1.0 avg 76.4 ms/move (max 77), Fairy-Stockfish 11.1 avg 103.3 ms/move (max 104)");
    const ThinkingTime none[2];
    EXPECT_EQ(DescribeAverages(names, none),
        "Velmora 1.0 avg 0.0 ms/move (max 0), Fairy-Stockfish 11.1 avg 0.0 ms/move (max 0)");
}
