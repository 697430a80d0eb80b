#include "engine/board/hash.h"
#include "engine/board/move_list.h"
#include "engine/board/rules_move.h"
#include "engine/strong/eval_features.h"
#include "engine/strong/eval_weights.h"
#include "engine/strong/evaluation.h"
#include "engine/strong/search.h"
#include "rules/rule_tables.h"
#include "rules/sfen.h"
#include "rules/usi_move.h"
#include "tests/support/random_play.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

GamePosition Read(const std::string& sfen, const RuleSet& rules = StandardRules)
{
    SfenHeader header;
    std::string error;
    EXPECT_TRUE(ReadSfen(sfen, header, error)) << sfen << ": " << error;
    return PositionOfPly(1, header.side, rules);
}

std::string Usi(const SearchMove& m, int side) { return WriteUsiMove(RulesMove(m, side)); }

SearchResult SearchTo(const GamePosition& p, int depth, const SearchSettings& settings = {},
    const std::vector<PastPosition>& history = {}, std::vector<SearchInfo>* infos = nullptr)
{
    StrongEngine engine(8);
    SearchLimits limits;
    limits.depth = depth;
    SearchCallbacks callbacks;
    if (infos != nullptr)
        callbacks.info = [&](const SearchInfo& info) { infos->push_back(info); };
    return engine.Search(p, history, limits, settings, callbacks);
}

TEST(StrongEvaluation, IsTheWeightedSumOfItsFeatures)
{
    for (const std::string& sfen : RandomPlayPositions(7, 300, 80)) {
        const GamePosition p = Read(sfen);
        int32_t sum = 0;
        VisitEvalFeatures(
            p.board, p.side, [&](int feature, int sign) { sum += sign * EvalWeights[feature]; });
        EXPECT_EQ(Evaluate(p.board, p.side), sum * p.side) << sfen;
    }
}

TEST(StrongEvaluation, SeesTheBoardTurnedRoundAsTheSameForTheOtherSide)
{
    // The start is symmetric under turning the board round and swapping the sides.
    const GamePosition sente = Read("rbsgk/4p/5/P4/KGSBR b - 1");
    const GamePosition gote = Read("rbsgk/4p/5/P4/KGSBR w - 1");
    EXPECT_EQ(Evaluate(sente.board, Sente), Evaluate(gote.board, Gote));
}

// Mates by checks, with the length a shortest mate has, under the rules they are set in.
struct MateCase {
    const char* name;
    const char* sfen;
    const RuleSet* rules;
    int plies;
};

class FindsMates : public testing::TestWithParam<MateCase> { };

TEST_P(FindsMates, WithTheShortestLength)
{
    const MateCase& c = GetParam();
    const GamePosition p = Read(c.sfen, *c.rules);
    // Pruning may hide a mate from a shallow search, never from a deep enough one.
    const SearchResult r = SearchTo(p, c.plies + 8);
    ASSERT_TRUE(r.hasMove) << c.sfen;
    EXPECT_EQ(MatePliesOf(r.score), c.plies) << c.sfen << ": " << Usi(r.best, p.side);
}

INSTANTIATE_TEST_SUITE_P(StrongSearch, FindsMates,
    testing::Values(
        MateCase { "PawnDropMateInVelmorasGame", "4k/2S2/3G1/5/K4 b P 1", &VelmoraRules, 1 },
        MateCase { "GoldDropMate", "4k/5/3G1/5/K4 b G 1", &StandardRules, 1 },
        MateCase { "MateInThreeMoves", "k1r2/p2sb/3gP/1SB2/R1GK1 b - 11", &StandardRules, 5 },
        MateCase { "MateWithAFullHand", "2k2/5/5/5/K4 b RGSP 1", &StandardRules, 3 },
        MateCase { "GoteMatesToo", "k4/5/3g1/5/4K w g 1", &StandardRules, 1 }),
    [](const testing::TestParamInfo<MateCase>& info) { return std::string(info.param.name); });

TEST(StrongSearch, NeverPlaysAPawnDropMateUnderStandardRules)
{
    // P*1b would mate; under standard rules it is no move at all.
    const GamePosition p = Read("4k/2S2/3G1/5/K4 b P 1");
    const SearchResult r = SearchTo(p, 6);
    ASSERT_TRUE(r.hasMove);
    EXPECT_NE(Usi(r.best, p.side), "P*1b");
}

TEST(StrongSearch, AnswersNoMoveWhenMated)
{
    const GamePosition p = Read("4k/4G/4G/5/K4 w - 1");
    const SearchResult r = SearchTo(p, 4);
    EXPECT_FALSE(r.hasMove);
}

TEST(StrongSearch, ProvesALongMateOnTheClockLongBeforeItsDepthReachesIt)
{
    // Far ahead, with a mate in 17 plies by checks that alpha-beta alone first sees at depth 19:
    // a timed search hands the won root to the proof-number solver, which proves the mate early.
    const GamePosition p = Read("3G1/gk3/s4/2K1S/2R2 b R2Pb 47", VelmoraRules);
    StrongEngine engine(8);
    SearchLimits limits;
    limits.timed = true;
    limits.time = TimeBudget { 0, 60'000, 60'000 }; // it stops once the mate is proved
    std::vector<SearchInfo> infos;
    SearchCallbacks callbacks;
    callbacks.info = [&](const SearchInfo& info) { infos.push_back(info); };
    const SearchResult r = engine.Search(p, {}, limits, {}, callbacks);
    ASSERT_TRUE(r.hasMove);
    EXPECT_EQ(MatePliesOf(r.score), 17) << Usi(r.best, p.side);
    ASSERT_FALSE(infos.empty());
    EXPECT_LT(infos.back().depth, 10) << "the mate came from the depth, not the solver";
}

TEST(StrongSearch, StopsAtTheDepthAndTheNodesItIsGiven)
{
    const GamePosition p = Read("rbsgk/4p/5/P4/KGSBR b - 1");
    std::vector<SearchInfo> infos;
    SearchTo(p, 5, {}, {}, &infos);
    ASSERT_FALSE(infos.empty());
    EXPECT_EQ(infos.front().depth, 1);
    EXPECT_EQ(infos.back().depth, 5);
    for (const uint64_t nodes : { 1u, 1000u, 25'000u }) {
        StrongEngine engine(8);
        SearchLimits limits;
        limits.nodes = nodes;
        const SearchResult r = engine.Search(p, {}, limits, {}, {});
        EXPECT_EQ(r.nodes, nodes);
        EXPECT_TRUE(r.hasMove) << "a move even when stopped at once";
    }
}

TEST(StrongSearch, OneThreadWithANodeLimitDecidesTheSameEveryTime)
{
    const GamePosition p = Read("k1g2/ps2+B/1g2P/3R1/1R2K w S 30");
    SearchLimits limits;
    limits.nodes = 40'000;
    StrongEngine first(8), second(8);
    const SearchResult a = first.Search(p, {}, limits, {}, {});
    const SearchResult b = second.Search(p, {}, limits, {}, {});
    EXPECT_EQ(Usi(a.best, p.side), Usi(b.best, p.side));
    EXPECT_EQ(a.score, b.score);
}

TEST(StrongSearch, MultiPvGivesDistinctMovesWithFallingScores)
{
    const GamePosition p = Read("rbsgk/4p/5/P4/KGSBR b - 1");
    std::vector<SearchInfo> infos;
    SearchSettings settings;
    settings.multiPV = 4;
    SearchTo(p, 6, settings, {}, &infos);
    const SearchInfo& last = infos.back();
    ASSERT_EQ(last.lines.size(), 4u);
    std::set<std::string> firsts;
    for (size_t i = 0; i < last.lines.size(); ++i) {
        firsts.insert(Usi(last.lines[i].moves.front(), p.side));
        if (i > 0) {
            EXPECT_LE(last.lines[i].score, last.lines[i - 1].score) << "line " << i + 1;
        }
    }
    EXPECT_EQ(firsts.size(), 4u);
    // More lines than moves: every move, once.
    const GamePosition few = Read("4k/5/5/5/K4 b - 1");
    infos.clear();
    settings.multiPV = 50;
    SearchTo(few, 3, settings, {}, &infos);
    EXPECT_EQ(infos.back().lines.size(), 3u);
}

TEST(StrongSearch, ThreadsAgreeOnAClearMove)
{
    // A rook hangs for nothing: every thread count takes it.
    const GamePosition p = Read("4k/5/2r2/5/K1R2 b - 1");
    SearchSettings settings;
    settings.threads = 3;
    const SearchResult r = SearchTo(p, 7, settings);
    EXPECT_EQ(Usi(r.best, p.side), "3e3c");
}

// The key of the position after the move, as the history records it.
PastPosition After(const GamePosition& p, const std::string& usi)
{
    std::string error;
    const std::optional<Move> move = ReadUsiMove(usi, p.side, error);
    SearchBoard board = p.board;
    SearchMove m {};
    if (move->fromY > BoardSize)
        m = SearchMove { 0, int8_t(SquareAt(move->toX, move->toY)), int8_t(move->fromX), 0 };
    else
        m = SearchMove { int8_t(SquareAt(move->fromX, move->fromY)),
            int8_t(SquareAt(move->toX, move->toY)), 0, move->promote };
    Play(board, p.side, m);
    return PastPosition { HashOf(board, -p.side), KingAttacked(board, -p.side) };
}

TEST(StrongSearch, ARepetitionLosesForSenteUnderStandardRulesOnly)
{
    // Bare kings: every move is as good as another, but the game has been where 5e4e leads.
    for (const int side : { Sente, Gote }) {
        const GamePosition p = Read(side == Sente ? "4k/5/5/5/K4 b - 1" : "4k/5/5/5/K4 w - 1");
        const std::string repeating = side == Sente ? "5e4e" : "1a2a";
        const PastPosition other { 12345, false };
        const std::vector<PastPosition> history = { After(p, repeating), other, other };
        const SearchResult r = SearchTo(p, 4, {}, history);
        if (side == Sente) {
            EXPECT_NE(Usi(r.best, p.side), repeating) << "Sente keeps away from the repetition";
            EXPECT_LT(std::abs(r.score), RuleWin);
        } else {
            EXPECT_EQ(Usi(r.best, p.side), repeating) << "Gote goes for it";
            EXPECT_EQ(r.score, RuleWin);
        }
        GamePosition velmora = p;
        velmora.rules = &VelmoraRules;
        EXPECT_LT(std::abs(SearchTo(velmora, 4, {}, history).score), RuleWin) << "no rule there";
    }
}

TEST(StrongSearch, ALowSkillSeesLessDeep)
{
    const GamePosition p = Read("rbsgk/4p/5/P4/KGSBR b - 1");
    SearchSettings settings;
    settings.skill = 0;
    std::vector<SearchInfo> infos;
    SearchTo(p, 20, settings, {}, &infos);
    EXPECT_LE(infos.back().depth, 2);
}

TEST(TimeBudget, NeverPlansPastTheClock)
{
    const struct {
        const char* name;
        GoClock clock;
        int64_t available; // what the move may take at most, the overhead kept back
    } cases[] = {
        { "SuddenDeath", { { 10'000, 10'000 }, { 0, 0 }, 0, 0, 0 }, 10'000 },
        { "SuddenDeathAlmostOut", { { 40, 40 }, { 0, 0 }, 0, 0, 0 }, 40 },
        { "Increment", { { 2'000, 2'000 }, { 100, 100 }, 0, 0, 0 }, 2'000 },
        { "Byoyomi", { { 0, 0 }, { 0, 0 }, 1'000, 0, 0 }, 1'000 },
        { "MainTimeAndByoyomi", { { 5'000, 5'000 }, { 0, 0 }, 1'000, 0, 0 }, 6'000 },
        { "NegativeTime", { { -300, -300 }, { 0, 0 }, 500, 0, 0 }, 500 },
        { "LastMoveOfAPeriod", { { 3'000, 3'000 }, { 0, 0 }, 0, 0, 1 }, 3'000 },
        { "MoveTime", { { -1, -1 }, { 0, 0 }, 0, 250, 0 }, 250 },
    };
    constexpr int64_t Overhead = 30;
    for (const auto& c : cases) {
        const TimeBudget b = PlanTime(c.clock, Sente, Overhead);
        EXPECT_LE(b.maximum, std::max<int64_t>(c.available - Overhead, 1)) << c.name;
        EXPECT_LE(b.optimum, b.maximum) << c.name;
        EXPECT_LE(b.minimum, b.optimum) << c.name;
        EXPECT_GT(b.optimum, 0) << c.name;
    }
    // The byoyomi is lost if not used: the whole of it is thought on.
    const TimeBudget byoyomi = PlanTime(cases[3].clock, Gote, Overhead);
    EXPECT_EQ(byoyomi.minimum, 1'000 - Overhead);
}

} // namespace
