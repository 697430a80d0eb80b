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
    EXPECT_FALSE(options->time.perMove);
    EXPECT_EQ(options->time.base.count(), 10'000);
    EXPECT_EQ(options->time.increment.count(), 100);
    EXPECT_TRUE(options->velmoraRules);
    EXPECT_EQ(options->games, 6);
    EXPECT_EQ(options->maxPlies, 200);
}

TEST(MatchOptions, DefaultToStandardRulesAtATimeAMove)
{
    std::string error;
    const auto options = Read({ "--engine1", "a", "--engine2", "b" }, error);
    ASSERT_TRUE(options) << error;
    EXPECT_FALSE(options->velmoraRules);
    EXPECT_TRUE(options->time.perMove);
    EXPECT_EQ(options->time.move.count(), 100);
    EXPECT_EQ(options->time.margin.count(), 50);
    EXPECT_EQ(options->maxPlies, 300);
    EXPECT_EQ(options->time.nodes, 0u);
}

TEST(MatchOptions, ReadANodeCountAMove)
{
    std::string error;
    const auto options = Read({ "--engine1", "a", "--engine2", "b", "--nodes", "20000" }, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->time.nodes, 20'000u);
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
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(Read(c.args, error)) << c.error;
        EXPECT_EQ(error, c.error);
    }
}
