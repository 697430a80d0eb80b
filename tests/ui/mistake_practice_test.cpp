#include "recording_view.h"

#include "record/record_reader.h"
#include "ui/mistake_practice.h"
#include "ui/record_keeping.h"

#include "rules/ply_snapshot.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// Deep enough to see the hung rook, quick enough for a test.
constexpr SearchLimits TestLimits { 10, 0, false, {}, false };

// Sente's third move leaves its rook to the pawn on 5b.
constexpr const char* HangingRook
    = "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 3e2d 3a4b 5e5c 5b5c 4e2c";
constexpr size_t HangingRookMove = 3;

GameRecord Read(const std::string& text)
{
    GameRecord record;
    std::string error;
    EXPECT_TRUE(ReadGameRecord(text, VelmoraRules, record, error)) << text << ": " << error;
    return record;
}

Move UsiMove(const std::string& usi, int side)
{
    std::string error;
    const std::optional<Move> move = ReadUsiMove(usi, side, error);
    EXPECT_TRUE(move) << usi << ": " << error;
    return move.value_or(Move {});
}

std::string WithoutMoveNumber(const std::string& sfen) { return sfen.substr(0, sfen.rfind(' ')); }

std::string Usi(const std::optional<Move>& move) { return move ? WriteUsiMove(*move) : "none"; }

struct RetryCase {
    const char* name;
    const char* tried; // in place of the hung rook, "best" for the analysis' own best move
    bool accepted;
    const char* reply; // the engine's answer when refused
};

// clang-format off
const RetryCase RetryCases[] = {
    { "TheBestMoveIsAccepted",              "best", true,  "" },
    { "AnotherMoveAsGoodIsAccepted",        "4e2c", true,  "" },
    { "TheMistakeItselfIsRefused",          "5e5c", false, "5b5c" },
    { "TheRookTakingThePawnIsRefused",      "5e5b", false, "4a5b" },
    { "ASilverLeftToAnAttackIsRefused",     "2d1c", false, "4b3c" },
};
// clang-format on

class Retry : public testing::TestWithParam<RetryCase> {
protected:
    static void SetUpTestSuite()
    {
        record = Read(HangingRook);
        analysis = AnalyseRecord(record, VelmoraRules, TestLimits);
    }
    static GameRecord record;
    static GameAnalysis analysis;
};
GameRecord Retry::record;
GameAnalysis Retry::analysis;

// A move is judged by the winning chance it keeps against the best move's: within the
// tolerance it passes, beyond it the engine's reply refutes it.
TEST_P(Retry, JudgedAgainstTheBestMoveWithinTheTolerance)
{
    const RetryCase& c = GetParam();
    const Move tried = std::string(c.tried) == "best"
        ? analysis.positions[HangingRookMove - 1].line.front().move
        : UsiMove(c.tried, Sente);
    const RetryVerdict verdict
        = JudgeRetry(record, analysis, VelmoraRules, HangingRookMove, tried, TestLimits);
    EXPECT_EQ(verdict.accepted, c.accepted) << WriteUsiMove(tried) << " keeps " << verdict.chance
                                            << " against the best's " << verdict.bestChance;
    EXPECT_EQ(verdict.accepted, verdict.bestChance - verdict.chance <= RetryTolerance);
    if (!c.accepted) {
        EXPECT_EQ(Usi(verdict.reply), c.reply) << WriteUsiMove(tried);
    }
}

INSTANTIATE_TEST_SUITE_P(Practice, Retry, testing::ValuesIn(RetryCases),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Practice, MistakesOfASideAreItsJudgedMovesInTheRecordsOrder)
{
    GameReview review;
    for (const auto& [number, side] : { std::pair { 2, Gote }, { 3, Sente }, { 7, Sente } }) {
        ReviewedMove m;
        m.number = size_t(number);
        m.side = side;
        review.judged.push_back(m);
    }
    EXPECT_EQ(MistakesOf(review, Sente), (std::vector<size_t> { 3, 7 }));
    EXPECT_EQ(MistakesOf(review, Gote), (std::vector<size_t> { 2 }));
}

// A view that takes the person's moves for the practice, as the review window does.
class PracticeView : public RecordingView {
public:
    MistakePractice practice { *this };
    std::optional<RetryVerdict> verdict;

    bool TakeMove(const Move& move) override
    {
        if (!practice.Active())
            return false;
        if (practice.Asking())
            verdict = practice.Try(move, TestLimits);
        return true;
    }
};

// A move tried on the board through the mouse is judged, not played: the record stays, and
// stopping puts the game state and the picture's ply back as they were after the game.
TEST(Practice, MovesOnTheBoardAreJudgedAndTheGameComesBackUnchanged)
{
    PracticeView view;
    StartUp(view);
    ::Record = Read(HangingRook);
    SfenHeader header;
    std::string error;
    ASSERT_TRUE(ReadSfen(::Record.CurrentSfen(), header, error));
    Game.SideToMove = static_cast<int8_t>(header.side);
    const GameRecord record = ::Record;
    const GameAnalysis analysis = AnalyseRecord(record, VelmoraRules, TestLimits);
    const PlySnapshot ply(1);
    const std::string before = Ply1Sfen();
    const int8_t sideBefore = Game.SideToMove;

    view.practice.Start(::Record, analysis, { HangingRookMove });
    view.practice.Ask(0);
    ASSERT_TRUE(view.practice.Asking());
    EXPECT_EQ(
        WithoutMoveNumber(Ply1Sfen()), WithoutMoveNumber(::Record.SfenAfter(HangingRookMove - 1)))
        << "the position before move 3";
    PlayByMouse(view, "5e5c");
    ASSERT_TRUE(view.verdict);
    EXPECT_FALSE(view.verdict->accepted);
    EXPECT_FALSE(view.practice.Asking()) << "the board waits for a new question";
    EXPECT_EQ(::Record, record) << "a move tried is never recorded";
    view.verdict.reset();
    PlayByMouse(view, "4e3d");
    EXPECT_FALSE(view.verdict) << "a move on the verdict's board is no answer";
    EXPECT_EQ(::Record, record);

    view.practice.Ask(0);
    view.verdict.reset();
    PlayByMouse(view, WriteUsiMove(*view.practice.BestMove()));
    ASSERT_TRUE(view.verdict);
    EXPECT_TRUE(view.verdict->accepted);

    view.practice.Stop();
    EXPECT_FALSE(view.practice.Active());
    EXPECT_EQ(::Record, record);
    EXPECT_EQ(Ply1Sfen(), before);
    EXPECT_TRUE(PlySnapshot(1) == ply);
    EXPECT_EQ(Game.GameRunning, 0);
    EXPECT_EQ(Game.SideToMove, sideBefore);
    EXPECT_EQ(Game.ComputerPlays[SideIndex(Gote)], 1) << "the computer keeps its side";
}

} // namespace
