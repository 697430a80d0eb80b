#include "tools/match/referee.h"

#include "record/kif.h"
#include "tests/support/case_names.h"

#include "rules/rule_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A move list played n times over.
std::vector<std::string> Times(int n, const std::vector<std::string>& cycle)
{
    std::vector<std::string> moves;
    for (int i = 0; i < n; ++i)
        moves.insert(moves.end(), cycle.begin(), cycle.end());
    return moves;
}

struct RefereeCase {
    const char* name;
    const char* sfen;
    const RuleSet* rules;
    std::vector<std::string> moves;
    GameEnd end;
    int winner;
    const char* kifEnd; // how the KIF of the game ends
    int maxPlies = 300;
    GameEnd forfeit = GameEnd::Running; // ended by the match after the moves, when not Running
};

void PrintTo(const RefereeCase& c, std::ostream* os) { *os << c.name; }

class RefereeJudges : public testing::TestWithParam<RefereeCase> { };

// Kings alone, each stepping out and back: the start comes back every four plies.
const std::vector<std::string> KingsStepOutAndBack = { "1e1d", "5a5b", "1d1e", "5b5a" };

} // namespace

TEST_P(RefereeJudges, HowTheGameEnds)
{
    const RefereeCase& c = GetParam();
    Referee referee(RefereeRules { c.rules, c.maxPlies }, c.sfen);
    for (const std::string& move : c.moves) {
        ASSERT_FALSE(referee.Over())
            << c.sfen << ": ended before " << move << " by " << referee.Reason();
        referee.Play(move);
    }
    if (c.forfeit != GameEnd::Running)
        referee.Forfeit(c.forfeit, "forfeit");
    const GameRecord& record = referee.Record();
    EXPECT_TRUE(referee.Over()) << c.sfen;
    EXPECT_EQ(record.end, c.end) << c.sfen << ": " << referee.Reason();
    EXPECT_EQ(record.winner, c.winner) << c.sfen << ": " << referee.Reason();
    const std::string kif = WriteKif(record);
    EXPECT_TRUE(kif.ends_with(c.kifEnd)) << kif;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Endings, RefereeJudges, testing::Values(
    RefereeCase { "MateByADrop", "k4/5/1G3/5/4K b G 1", &StandardRules, { "G*5b" }, GameEnd::Mate, Sente,
        "   1 ５二金打\nまで1手で先手の勝ち\n" },
    RefereeCase { "PawnDropMateLosesUnderStandardRules", "4k/2S2/3G1/5/K4 b P 1", &StandardRules,
        { "P*1b" }, GameEnd::IllegalMove, Gote, "   1 反則負け\nまで0手で後手の反則勝ち\n" },
    RefereeCase { "PawnDropMateWinsUnderVelmoraRules", "4k/2S2/3G1/5/K4 b P 1", &VelmoraRules,
        { "P*1b" }, GameEnd::Mate, Sente, "まで1手で先手の勝ち\n" },
    RefereeCase { "MoveLeavingTheKingAttackedLoses", "k4/5/5/r4/4K b - 1", &StandardRules, { "1e1d" },
        GameEnd::IllegalMove, Gote, "まで0手で後手の反則勝ち\n" },
    RefereeCase { "MoveFromAnEmptySquareLoses", "k4/5/5/5/4K w - 1", &StandardRules, { "5a5b", "2e2d" },
        GameEnd::IllegalMove, Gote, "   1 ５二玉(51)\n   2 反則負け\nまで1手で後手の反則勝ち\n" },
    RefereeCase { "TextThatIsNoMoveLoses", "k4/5/5/5/4K b - 1", &StandardRules, { "win" },
        GameEnd::IllegalMove, Gote, "まで0手で後手の反則勝ち\n" },
    RefereeCase { "FourfoldRepetitionLosesForSente", "k4/5/5/5/4K b - 1", &StandardRules,
        Times(3, KingsStepOutAndBack), GameEnd::Repetition, Gote,
        "  12 ５一玉(52)\n  13 千日手\nまで12手で千日手により後手の勝ち\n" },
    RefereeCase { "FourfoldRepetitionLosesForSenteWhenGoteMovedFirst", "k4/5/5/5/4K w - 1",
        &StandardRules, Times(3, { "5a5b", "1e1d", "5b5a", "1d1e" }), GameEnd::Repetition, Gote,
        "まで12手で千日手により後手の勝ち\n" },
    RefereeCase { "ChecksNowAndThenAreNoPerpetualCheck", "k4/5/3R1/5/4K b - 1", &StandardRules,
        Times(3, { "2c2a", "5a5b", "2a2c", "5b5a" }), GameEnd::Repetition, Gote,
        "まで12手で千日手により後手の勝ち\n" },
    RefereeCase { "PerpetualCheckBySenteLoses", "k4/4R/5/5/4K b - 1", &StandardRules,
        Times(3, { "1b1a", "5a5b", "1a1b", "5b5a" }), GameEnd::PerpetualCheck, Gote,
        "  13 反則負け\nまで12手で後手の反則勝ち\n" },
    RefereeCase { "PerpetualCheckEndingOnTheCheckLoses", "k3R/5/5/5/4K w - 1", &StandardRules,
        Times(3, { "5a5b", "1a1b", "5b5a", "1b1a" }), GameEnd::PerpetualCheck, Gote,
        "  13 反則勝ち\nまで12手で後手の反則勝ち\n" },
    RefereeCase { "PerpetualCheckByGoteLoses", "k4/5/5/r4/4K w - 1", &StandardRules,
        Times(3, { "5d5e", "1e1d", "5e5d", "1d1e" }), GameEnd::PerpetualCheck, Sente,
        "まで12手で先手の反則勝ち\n" },
    RefereeCase { "RepetitionGoesOnUnderVelmoraRules", "k4/5/5/5/4K b - 1", &VelmoraRules,
        Times(4, KingsStepOutAndBack), GameEnd::MaxLength, 0, "まで16手で持将棋\n", 16 },
    RefereeCase { "GameAtItsGreatestLengthIsDrawn", "k4/5/5/5/4K b - 1", &StandardRules,
        Times(2, KingsStepOutAndBack), GameEnd::MaxLength, 0, "   9 持将棋\nまで8手で持将棋\n",
        8 },
    RefereeCase { "TimeForfeitLosesForTheSideToMove", "k4/5/5/5/4K b - 1", &StandardRules, { "1e1d" },
        GameEnd::TimeForfeit, Sente, "   2 切れ負け\nまで1手で時間切れにより先手の勝ち\n", 300,
        GameEnd::TimeForfeit }),
    CaseName);
// clang-format on

TEST(Referee, ThreeTimesTheSamePositionGoOn)
{
    Referee referee(RefereeRules {}, "k4/5/5/5/4K b - 1");
    for (const std::string& move : Times(2, KingsStepOutAndBack))
        referee.Play(move);
    EXPECT_FALSE(referee.Over()) << referee.Reason();
    for (const std::string& move : Times(1, KingsStepOutAndBack)) {
        EXPECT_FALSE(referee.Over()) << "before " << move << ": " << referee.Reason();
        referee.Play(move);
    }
    EXPECT_EQ(referee.Record().end, GameEnd::Repetition);
}

TEST(Referee, NamesThePlayersInTheKif)
{
    Referee referee(RefereeRules {}, "k4/5/1G3/5/4K b G 1");
    referee.Play("G*5b");
    GameRecord record = referee.Record();
    record.playerNames[SideIndex(Sente)] = "Velmora 1.0.0";
    record.playerNames[SideIndex(Gote)] = "Fairy-Stockfish 11.1 LB 64";
    EXPECT_TRUE(WriteKif(record).starts_with(
        "手合割：5五将棋\n先手：Velmora 1.0.0\n後手：Fairy-Stockfish 11.1 LB 64\n"))
        << WriteKif(record);
    EXPECT_EQ(record.UsiPosition(), "position sfen k4/5/1G3/5/4K b G 1 moves G*5b");
}

TEST(Referee, ReportsAnIllegalMoveWithItsPosition)
{
    Referee referee(RefereeRules {}, "k4/5/5/5/4K w - 7");
    referee.Play("5a5b");
    referee.Play("2e2d");
    EXPECT_EQ(referee.Reason(),
        "illegal move (move '2e2d' is illegal: no piece of the mover there in 5/k4/5/5/4K b - 8)");
}
