#include "bench/position_suite.h"
#include "engine/classic/computer_choice.h"
#include "engine/mate/solver.h"
#include "rules/check.h"
#include "rules/legality.h"
#include "rules/make_move.h"
#include "rules/ply_snapshot.h"
#include "rules/usi_move.h"
#include "tests/support/random_play.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>

namespace {

const std::function<bool()> NeverStop = [] { return false; };

std::string Written(const std::vector<Move>& line)
{
    std::string text;
    for (const Move& m : line)
        text += (text.empty() ? "" : " ") + WriteUsiMove(m);
    return text;
}

bool IsPawnDrop(const Move& m) { return m.fromY > BoardSize && m.fromX == Pawn; }

// The legal moves of side s on ply 1 by the rules, pawn drops that mate left out unless allowed.
std::vector<Move> RulesLegalMoves(int s, const RuleSet& rules);

void PlayOnPly1(const Move& m) { MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote); }

bool HasRulesLegalMove(int s)
{
    bool any = false;
    ForEachMove(1, s, [&](const Move& m) { any = any || MakeMoveIfSafe(1, s, m); });
    return any;
}

std::vector<Move> RulesLegalMoves(int s, const RuleSet& rules)
{
    std::vector<Move> moves;
    ForEachMove(1, s, [&](const Move& m) {
        if (MakeMoveIfSafe(1, s, m))
            moves.push_back(m);
    });
    if (rules.pawnDropMateLegal)
        return moves;
    std::erase_if(moves, [&](const Move& m) {
        if (!IsPawnDrop(m))
            return false;
        const PlySnapshot before(1);
        PlayOnPly1(m);
        const bool mates = IsKingAttacked(1, -s) && !HasRulesLegalMove(-s);
        before.Restore(1);
        return mates;
    });
    return moves;
}

// A plain search by the rules, independent of the solver: whether side s, to move on ply 1 and
// checking with every move, mates within the plies.
bool PlainMatesWithin(int s, int plies, const RuleSet& rules)
{
    if (plies < 1)
        return false;
    const PlySnapshot before(1);
    for (const Move& check : RulesLegalMoves(s, rules)) {
        PlayOnPly1(check);
        bool mates = false;
        if (IsKingAttacked(1, -s)) {
            const std::vector<Move> replies = RulesLegalMoves(-s, rules);
            mates = replies.empty();
            for (size_t i = 0; plies >= 3 && i < replies.size(); ++i) {
                const PlySnapshot checked(1);
                PlayOnPly1(replies[i]);
                mates = PlainMatesWithin(s, plies - 2, rules);
                checked.Restore(1);
                if (!mates)
                    break;
            }
        }
        before.Restore(1);
        if (mates)
            return true;
    }
    return false;
}

// Replays the line by the rules from the position and says what is wrong with it, if anything:
// every move legal, every attacker's move a check, no pawn drop that mates where that is
// illegal, and at the end the defender in check without a legal move.
std::string LineFault(const std::string& sfen, const std::vector<Move>& line, const RuleSet& rules)
{
    const int attacker = LoadSfen(sfen);
    if (line.size() % 2 == 0)
        return "a line of " + std::to_string(line.size()) + " plies does not end with a check";
    int s = attacker;
    for (size_t i = 0; i < line.size(); ++i, s = -s) {
        const std::string at = "ply " + std::to_string(i + 1) + " " + WriteUsiMove(line[i]);
        const MoveVerdict verdict = JudgeMove(1, s, line[i], rules);
        if (verdict != MoveVerdict::Legal)
            return at + ": " + Describe(verdict);
        PlayOnPly1(line[i]);
        if (s == attacker && !IsKingAttacked(1, -attacker))
            return at + ": gives no check";
        if (!rules.pawnDropMateLegal && IsPawnDrop(line[i]) && IsKingAttacked(1, -s)
            && !HasRulesLegalMove(-s))
            return at + ": a pawn drop that mates";
    }
    if (HasRulesLegalMove(-attacker))
        return "the defender still has a legal move at the end";
    return "";
}

struct Problem {
    const char* name;
    const char* sfen;
    const RuleSet* rules;
    int plies; // 0: no mate
};

void PrintTo(const Problem& p, std::ostream* os)
{
    *os << p.sfen << " (" << p.rules->name << " rules)";
}

class MatingProblems : public testing::TestWithParam<Problem> { };

// Problems short enough for the plain search to confirm that no shorter mate exists.
constexpr int PlainCheckPlies = 9;

} // namespace

TEST_P(MatingProblems, AnswerWithALegalLineOfTheKnownLength)
{
    const Problem& p = GetParam();
    const int side = LoadSfen(p.sfen);
    const MateSolution solution = SolveMate(PositionOfPly(1, side, *p.rules), NeverStop);
    if (p.plies == 0) {
        EXPECT_EQ(solution.outcome, MateOutcome::NoMate)
            << p.sfen << ": " << Written(solution.line);
        return;
    }
    ASSERT_EQ(solution.outcome, MateOutcome::Mate) << p.sfen;
    EXPECT_EQ(LineFault(p.sfen, solution.line, *p.rules), "")
        << p.sfen << ": " << Written(solution.line);
    EXPECT_EQ(int(solution.line.size()), p.plies) << p.sfen << ": " << Written(solution.line);
    if (p.plies <= PlainCheckPlies) {
        LoadSfen(p.sfen);
        EXPECT_TRUE(PlainMatesWithin(side, p.plies, *p.rules)) << p.sfen;
        EXPECT_FALSE(PlainMatesWithin(side, p.plies - 2, *p.rules)) << p.sfen;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Minishogi, MatingProblems, testing::Values(
    Problem { "mate1_silver_drop", "1k2K/1g+r2/3b1/3p1/3+b1 w RGSPs 32", &VelmoraRules, 1 },
    Problem { "mate1_board_move", "rs1K1/5/3k1/p4/1P3 w R2b2gs 46", &VelmoraRules, 1 },
    Problem { "mate3_pawn_then_silver", "5/k1+S2/5/p1K2/5 b B2GSPr 31", &VelmoraRules, 3 },
    Problem { "mate3_gote", "1k3/5/2g2/+r2pK/1b+b2 w Srgsp 44", &VelmoraRules, 3 },
    Problem { "mate5_bishop_gold", "4+S/3P1/1K3/5/3k1 b BG2rgsp 63", &VelmoraRules, 5 },
    Problem { "mate5_rook_promotes", "k1sb1/1p3/5/3G1/gbRK1 b RPs 33", &VelmoraRules, 5 },
    Problem { "mate5_gote", "k3p/g2s1/5/5/1+b2K w RPrgs 18", &VelmoraRules, 5 },
    Problem { "mate7_gote", "1G1K1/r4/4p/k2g1/5 w RSbsp 46", &VelmoraRules, 7 },
    Problem { "mate7_rook_swings", "1R2+S/5/3K1/5/3k1 b GPrbgsp 55", &VelmoraRules, 7 },
    Problem { "mate9", "4+S/5/1R1K1/5/4k b GPrbgsp 57", &VelmoraRules, 9 },
    Problem { "mate9_gote", "k1B2/1p1s1/5/4G/gbK2 w 2RPs 26", &VelmoraRules, 9 },
    Problem { "mate11", "3b1/1k1s1/3B1/4K/3G1 b RGPrsp 15", &VelmoraRules, 11 },
    Problem { "mate13_gote", "1G1r1/1K3/4p/k2g1/5 w RSbsp 50", &VelmoraRules, 13 },
    Problem { "mate13", "k1+S2/2b2/p4/1g1K1/5 b RGSP 25", &VelmoraRules, 13 },
    Problem { "mate15", "3G1/g1k2/5/4R/2K1R b S2Pbs 65", &VelmoraRules, 15 },
    Problem { "mate17", "3G1/gk3/s4/2K1S/2R2 b R2Pb 47", &VelmoraRules, 17 },
    Problem { "mate19_gote", "3b1/1k1s1/3G1/5/2K2 w RGS2Prb 44", &VelmoraRules, 19 },
    Problem { "mate21_gote", "1G1K1/5/2g2/5/k1S2 w RSrb2p 32", &VelmoraRules, 21 },
    // The defender's interpositions S*3b and R*4b check the attacker, who must answer with a
    // check that also ends its own.
    Problem { "counter_check", "3R+S/5/3K1/5/2kP1 b GPrbgs 53", &VelmoraRules, 9 },
    Problem { "counter_check_interposed", "k3+S/5/5/5/1K3 b B2GS2Pr 49", &VelmoraRules, 11 },
    Problem { "nomate_no_check", "1G1K1/3r1/4p/k2g1/5 b RSbsp 47", &VelmoraRules, 0 },
    Problem { "nomate_checks_run_out", "3K1/5/3k1/p4/5 b RBSPrb2gs 37", &VelmoraRules, 0 },
    Problem { "nomate_gote", "1k1K1/5/p4/5/3G1 w RBGSPrbs 22", &VelmoraRules, 0 },
    // P*5b mates at once in Velmora's game; under standard rules it is illegal and nothing else mates.
    Problem { "pawn_drop_mate_legal", "k4/2S2/1G3/5/4K b P 1", &VelmoraRules, 1 },
    Problem { "pawn_drop_mate_illegal", "k4/2S2/1G3/5/4K b P 1", &StandardRules, 0 },
    // Under standard rules the mate at once is R*5a, not the pawn drop P*5c.
    Problem { "pawn_drop_mate_or_rook_legal", "3+S1/k1S2/2B2/K2G1/5 b RG2P 73", &VelmoraRules, 1 },
    Problem { "pawn_drop_mate_or_rook_illegal", "3+S1/k1S2/2B2/K2G1/5 b RG2P 73", &StandardRules, 1 },
    // The mate in seven ends with a pawn drop; under standard rules another piece finishes.
    Problem { "last_pawn_drop_legal", "3K1/2G2/5/p1k2/5 b RBGSPrbs 33", &VelmoraRules, 7 },
    Problem { "last_pawn_drop_illegal", "3K1/2G2/5/p1k2/5 b RBGSPrbs 33", &StandardRules, 7 }),
    [](const testing::TestParamInfo<Problem>& info) { return std::string(info.param.name); });
// clang-format on

namespace {

// Whatever the computer's forced-mate pass plays, the solver finds too, in Velmora's own rules,
// no longer than the pass's class says.
void ExpectEveryForcedMateFound(const std::string& sfen)
{
    const int side = LoadSfen(sfen);
    const ComputerDecision decision = ChooseForcedMate(PositionOfPly(1, side, VelmoraRules));
    if (!decision.forcedMate)
        return;
    const int plies = decision.score == 10000 ? 1 : decision.score == 9000 ? 3 : 5;
    LoadSfen(sfen);
    const MateSolution solution = SolveMate(PositionOfPly(1, side, VelmoraRules), NeverStop);
    ASSERT_EQ(solution.outcome, MateOutcome::Mate) << sfen;
    EXPECT_LE(int(solution.line.size()), plies) << sfen << ": " << Written(solution.line);
}

// Every answer holds up: a mate's line by the rules, no mate against a plain search.
constexpr int PlainNoMatePlies = 5;

void ExpectSoundAnswer(const std::string& sfen, const RuleSet& rules)
{
    const int side = LoadSfen(sfen);
    const MateSolution solution = SolveMate(PositionOfPly(1, side, rules), NeverStop);
    ASSERT_NE(solution.outcome, MateOutcome::Stopped) << sfen;
    if (solution.outcome == MateOutcome::Mate) {
        EXPECT_EQ(LineFault(sfen, solution.line, rules), "")
            << sfen << ": " << Written(solution.line);
        return;
    }
    LoadSfen(sfen);
    EXPECT_FALSE(PlainMatesWithin(side, PlainNoMatePlies, rules))
        << sfen << " (" << rules.name << " rules)";
}

} // namespace

TEST(SolveMate, FindsEveryForcedMateOfTheSuite)
{
    const std::vector<SuitePosition> suite = ReadPositionSuite(VELMORA_POSITION_SUITE);
    ASSERT_FALSE(suite.empty()) << VELMORA_POSITION_SUITE;
    for (const SuitePosition& p : suite)
        ExpectEveryForcedMateFound(p.sfen);
}

TEST(SolveMate, FindsEveryForcedMateAlongRandomGames)
{
    for (const std::string& sfen : RandomPlayPositions(3, 300, 80))
        ExpectEveryForcedMateFound(sfen);
}

TEST(SolveMate, AnswersSoundlyAlongRandomGamesUnderBothRules)
{
    // Positions late in each game, where the hands are full and checks abound.
    const std::vector<std::string> positions = RandomPlayPositions(17, 240, 60);
    for (size_t i = 20; i < positions.size(); i += 3) {
        ExpectSoundAnswer(positions[i], VelmoraRules);
        ExpectSoundAnswer(positions[i], StandardRules);
    }
}

TEST(SolveMate, StopsWhenAsked)
{
    // Neither side can be proved to mate or not within a few positions here.
    const int side = LoadSfen("5/1k3/1+p3/5/4K b RBG2Sgp 77");
    int polls = 0;
    const MateSolution solution
        = SolveMate(PositionOfPly(1, side, VelmoraRules), [&] { return ++polls == 3; });
    EXPECT_EQ(solution.outcome, MateOutcome::Stopped);
    EXPECT_TRUE(solution.line.empty());
    EXPECT_EQ(polls, 3) << "no poll after the answer to stop";
}

// Stopped anywhere, the answer is no line at all or a whole mate: a mate proved before the stop
// is kept even while a shorter one is still being looked for.
TEST(SolveMate, StoppedAnywhereAnswersNothingOrAWholeMate)
{
    const std::string sfen = "k3p/g2s1/4G/b4/4K w RPrs 12"; // first proved in more than 13 plies
    const int side = LoadSfen(sfen);
    int polls = 0;
    const MateSolution whole
        = SolveMate(PositionOfPly(1, side, VelmoraRules), [&] { return ++polls, false; });
    ASSERT_EQ(whole.outcome, MateOutcome::Mate);
    int stopped = 0, mates = 0;
    for (int stopAt = 1; stopAt <= polls; stopAt += std::max(1, polls / 8)) {
        int asked = 0;
        LoadSfen(sfen);
        const MateSolution cut
            = SolveMate(PositionOfPly(1, side, VelmoraRules), [&] { return ++asked >= stopAt; });
        if (cut.outcome == MateOutcome::Stopped) {
            EXPECT_TRUE(cut.line.empty()) << "stopped at poll " << stopAt;
            ++stopped;
            continue;
        }
        ASSERT_EQ(cut.outcome, MateOutcome::Mate) << "stopped at poll " << stopAt;
        EXPECT_EQ(LineFault(sfen, cut.line, VelmoraRules), "")
            << "stopped at poll " << stopAt << ": " << Written(cut.line);
        EXPECT_GE(cut.line.size(), whole.line.size()) << "stopped at poll " << stopAt;
        ++mates;
    }
    EXPECT_GT(stopped, 0);
    EXPECT_GT(mates, 0);
}

// With full hands the proof found here cannot be read back as a line that ends in mate. A caller
// whose stop never comes still gets an answer: the proof, without a line.
TEST(SolveMate, AProofWithoutALineReturnsWithoutAStop)
{
    const int side = LoadSfen("2k2/5/5/5/K4 b RBGSPrbgsp 1");
    int polls = 0;
    const MateSolution solution
        = SolveMate(PositionOfPly(1, side, StandardRules), [&] { return ++polls, false; });
    EXPECT_EQ(solution.outcome, MateOutcome::ProvedWithoutLine) << Written(solution.line);
    EXPECT_TRUE(solution.line.empty()) << Written(solution.line);
    EXPECT_GT(polls, 0);
}

TEST(SolveMate, ChangesNoPly)
{
    const std::string sfen = "1k3/3K1/5/2p2/1+rg2 b RBG2SP 59";
    const int side = LoadSfen(sfen);
    SolveMate(PositionOfPly(1, side, StandardRules), NeverStop);
    EXPECT_EQ(WriteSfen(1, SfenHeader { side, 59 }), sfen);
}
