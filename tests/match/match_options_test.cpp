#include "tools/match/match_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::optional<MatchOptions> Read(std::vector<std::string> args, std::string& error)
{
    args.insert(args.begin(), "velmora-match");
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    return ReadMatchOptions(int(argv.size()), argv.data(), error);
}

} // namespace

TEST(MatchOptions, ReadEnginesOptionsRulesAndClock)
{
    std::string error;
    const auto options
        = Read({ "--engine1", "build/usi/velmora-usi", "--option1", "Computer=strong", "--engine2",
                   "fairy-stockfish --flag", "--option2", "Skill Level=0", "--option2", "Path=a=b",
                   "--tc", "10+0.1", "--swap-clocks2", "--rules", "velmora", "--games", "6",
                   "--max-plies", "200" },
            error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->engines[1].command, "fairy-stockfish --flag");
    using Options = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(options->engines[0].options, (Options { { "Computer", "strong" } }));
    EXPECT_EQ(options->engines[1].options, (Options { { "Skill Level", "0" }, { "Path", "a=b" } }));
    EXPECT_FALSE(options->engines[0].swapClocks);
    EXPECT_TRUE(options->engines[1].swapClocks);
    for (const TimeControl& time : options->time) {
        EXPECT_EQ(time.mode, TimeMode::Clock);
        EXPECT_EQ(time.base.count(), 10'000);
        EXPECT_EQ(time.increment.count(), 100);
    }
    EXPECT_EQ(options->rules, &VelmoraRules);
    EXPECT_EQ(options->games, 6);
    EXPECT_EQ(options->maxPlies, 200);
}

TEST(MatchOptions, DefaultToStandardRulesAtAnEqualMovetime)
{
    std::string error;
    const auto options = Read({ "--engine1", "a", "--engine2", "b" }, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->rules, &StandardRules);
    for (const TimeControl& time : options->time) {
        EXPECT_EQ(time.mode, TimeMode::MoveTime);
        EXPECT_EQ(time.move.count(), 100);
    }
    EXPECT_EQ(options->margin.count(), 50);
    EXPECT_EQ(options->maxPlies, 300);
}

// Each time flag sets both engines, and with a 1 or 2 after it one; a later flag wins.
TEST(MatchOptions, TimeFlagsSetBothEnginesOrTheOneNumbered)
{
    const struct {
        std::vector<std::string> args;
        const char* engine1;
        const char* engine2;
    } cases[] = {
        { { "--movetime", "200" }, "movetime 200 ms a move", "movetime 200 ms a move" },
        { { "--byoyomi", "100" }, "byoyomi 100 ms a move", "byoyomi 100 ms a move" },
        { { "--nodes", "20000" }, "20000 nodes a move", "20000 nodes a move" },
        { { "--movetime", "200", "--byoyomi2", "300" }, "movetime 200 ms a move",
            "byoyomi 300 ms a move" },
        { { "--tc1", "10+0.1", "--tc2", "40+0.4" }, "10 s + 0.1 s a game", "40 s + 0.4 s a game" },
        { { "--tc", "10+0.1", "--tc2", "40" }, "10 s + 0.1 s a game", "40 s + 0 s a game" },
        { { "--nodes1", "4000", "--movetime1", "50" }, "movetime 50 ms a move",
            "movetime 100 ms a move" },
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = { "--engine1", "a", "--engine2", "b" };
        args.insert(args.end(), c.args.begin(), c.args.end());
        std::string error;
        const auto options = Read(args, error);
        ASSERT_TRUE(options) << c.args[0] << ": " << error;
        EXPECT_EQ(DescribeTimeControl(options->time[0]), c.engine1) << c.args[0];
        EXPECT_EQ(DescribeTimeControl(options->time[1]), c.engine2) << c.args[0];
    }
}

TEST(MatchOptions, RefuseWhatTheyCannotRead)
{
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        { { "--engine1", "a" }, "both --engine1 and --engine2 are needed" },
        { { "--engine1", "a", "--engine2", "b", "--games" }, "--games needs a value" },
        { { "--engine1", "a", "--engine2", "b", "--option1", "Skill" },
            "bad option --option1 Skill" },
        { { "--engine1", "a", "--engine2", "b", "--rules", "shogi" }, "bad option --rules shogi" },
        { { "--engine1", "a", "--engine2", "b", "--movetime", "0" }, "bad option --movetime 0" },
        { { "--engine1", "a", "--engine2", "b", "--tc", "0+1" }, "bad option --tc 0+1" },
        { { "--engine1", "a", "--engine2", "b", "--tc", "5+x" }, "bad option --tc 5+x" },
        { { "--engine1", "a", "--engine2", "b", "--ponder", "on" }, "bad option --ponder on" },
        { { "--engine1", "a", "--engine2", "b", "--byoyomi1", "x" }, "bad option --byoyomi1 x" },
        { { "--engine1", "a", "--engine2", "b", "--movetime3", "100" },
            "bad option --movetime3 100" },
        { { "--engine1", "a", "--engine2", "b", "--tc1", "10+0.1" },
            "a clock for one engine needs a clock for the other" },
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Read(c.args, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}
