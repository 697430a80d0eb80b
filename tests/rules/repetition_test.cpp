#include "rules/repetition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Mark {
    char key;
    bool inCheck;
};

// A game as repetition sees it: one letter a position, and '+' where the side to move is in
// check there, '.' where not.
std::vector<Mark> Game(const std::string& keys, const std::string& checks)
{
    std::vector<Mark> marks;
    for (size_t i = 0; i < keys.size(); ++i)
        marks.push_back({ keys[i], checks.at(i) == '+' });
    return marks;
}

} // namespace

TEST(JudgeRepetition, EndsAStandardGameOnTheFourthTimeByWhoChecked)
{
    const struct {
        const char* keys;
        const char* checks;
        int sideToMove;
        RepetitionVerdict expected;
    } cases[] = {
        // Three times is not yet four.
        { "abcdabcda", ".........", Sente, {} },
        { "abcdabcdabcda", ".............", Sente, { true, RepetitionEnd::Repetition, Gote } },
        { "abcdabcdabcda", ".............", Gote, { true, RepetitionEnd::Repetition, Gote } },
        // The side that has just moved checked on each of its moves: it loses.
        { "abcdabcdabcda", "+.+.+.+.+.+.+", Sente, { true, RepetitionEnd::PerpetualCheck, Sente } },
        { "abcdabcdabcda", "+.+.+.+.+.+.+", Gote, { true, RepetitionEnd::PerpetualCheck, Gote } },
        // The side to move checked on each of its moves.
        { "abcdabcdabcda", ".+.+.+.+.+.+.", Gote, { true, RepetitionEnd::PerpetualCheck, Sente } },
        // Both checked throughout: a draw.
        { "abcdabcdabcda", "+++++++++++++", Sente, { true, RepetitionEnd::Repetition, 0 } },
        // Checks now and then are no perpetual check.
        { "abcdabcdabcda", "+.+.+...+.+.+", Sente, { true, RepetitionEnd::Repetition, Gote } },
        // Only the cycle counts, not the moves that led into it.
        { "xyabcdabcdabcda", "..+.+.+.+.+.+.+", Gote,
            { true, RepetitionEnd::PerpetualCheck, Gote } },
        // A longer cycle, a position of it coming back after six plies.
        { "abcdefabcdefabcdefa", "...................", Sente,
            { true, RepetitionEnd::Repetition, Gote } },
    };
    for (const auto& c : cases) {
        const std::vector<Mark> game = Game(c.keys, c.checks);
        const RepetitionVerdict v = JudgeRepetition(
            StandardRules, std::span<const Mark>(game), c.sideToMove, FourfoldRepetition);
        EXPECT_EQ(v.repeated, c.expected.repeated) << c.keys << " " << c.checks;
        EXPECT_EQ(v.end, c.expected.end) << c.keys << " " << c.checks;
        EXPECT_EQ(v.winner, c.expected.winner) << c.keys << " " << c.checks;
    }
}

TEST(JudgeRepetition, LetsAGameUnderVelmorasRulesGoOn)
{
    for (const char* checks : { ".............", "+.+.+.+.+.+.+" }) {
        const std::vector<Mark> game = Game("abcdabcdabcda", checks);
        const RepetitionVerdict v
            = JudgeRepetition(VelmoraRules, std::span<const Mark>(game), Sente, FourfoldRepetition);
        EXPECT_TRUE(v.repeated) << checks;
        EXPECT_EQ(v.end, RepetitionEnd::None) << checks;
        EXPECT_EQ(v.winner, 0) << checks;
    }
}

TEST(JudgeRepetition, FindsACycleAsSoonAsAskedForTwo)
{
    const std::vector<Mark> game = Game("abcda", "+.+.+");
    const RepetitionVerdict v
        = JudgeRepetition(StandardRules, std::span<const Mark>(game), Sente, 2);
    EXPECT_EQ(v.end, RepetitionEnd::PerpetualCheck);
    EXPECT_EQ(v.winner, Sente);
    EXPECT_FALSE(JudgeRepetition(StandardRules, std::span<const Mark>(game), Sente, 3).repeated);
}
