#include "recording_view.h"

#include "record/kif.h"
#include "record/record_reader.h"
#include "review/game_analysis.h"
#include "ui/game_session.h"

#include "rules/ply_snapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace {

// Velmora's start, then sound moves but the third: Sente's rook goes to 5c, where Gote's pawn
// takes it for nothing, which it does at move 4.
constexpr const char* HungRook
    = "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 3e2d 3a4b 5e5c 5b5c 4e2c";
constexpr size_t HungRookBlunder = 3;
// Deep enough to see the rook hang, quick enough for a test.
constexpr SearchLimits TestLimits { 10, 0, false, {}, false };

// A position without its move number, which replays count differently.
std::string Board(const std::string& sfen) { return sfen.substr(0, sfen.rfind(' ')); }

// A new window's session with the planted game opened and analysed.
class Analysed : public testing::Test {
protected:
    void SetUp() override
    {
        Game = GameState {};
        session.StartUp();
        ASSERT_TRUE(session.Open(HungRook)) << testing::PrintToString(view.Messages());
        analysis = AnalyseRecord(session.Record(), VelmoraRules, TestLimits);
        session.SetAnalysis(analysis);
        view.calls.clear();
    }

    RecordingView view;
    GameSession session { view };
    GameAnalysis analysis;
};

} // namespace

TEST_F(Analysed, MarksTheMoveThatHangsTheRookAndNoOther)
{
    ASSERT_EQ(analysis.positions.size(), 6u);
    for (size_t n = 1; n < analysis.positions.size(); ++n)
        EXPECT_EQ(analysis.IsBlunder(n), n == HungRookBlunder)
            << "move " << n << " lost " << analysis.Loss(n) << " in " << HungRook;
    // Before the blunder Sente was not lost; after it, Gote is clearly ahead from Sente's side.
    EXPECT_GT(analysis.positions[2].score, -BlunderCentipawns);
    EXPECT_LT(analysis.positions[3].score, -BlunderCentipawns);
    // The best move there is not the blunder, and the best reply to it takes the rook.
    ASSERT_FALSE(analysis.positions[2].line.empty());
    EXPECT_NE(analysis.positions[2].line.front().move, session.Record().moves[2].move);
    ASSERT_FALSE(analysis.positions[3].line.empty());
    EXPECT_EQ(analysis.positions[3].line.front().move, session.Record().moves[3].move);
}

// Cancelling an analysis that would think forever returns once its thread has ended, with
// nothing to show, and the record and ply 1 as they were.
TEST_F(Analysed, CancelStopsTheSearchAndLeavesRecordAndBoardAlone)
{
    const GameRecord record = session.Record();
    const PlySnapshot ply(1);
    GameAnalyser analyser;
    SearchLimits forever;
    forever.infinite = true;
    analyser.Start(record, VelmoraRules, forever);
    EXPECT_TRUE(analyser.Running());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    analyser.Cancel();
    EXPECT_FALSE(analyser.Running());
    EXPECT_FALSE(analyser.Done());
    EXPECT_EQ(analyser.PositionsDone(), 0u);
    EXPECT_EQ(session.Record(), record);
    EXPECT_TRUE(PlySnapshot(1) == ply);
}

// The comments name the evaluation and the best move; the KIF with them reads back to the same
// moves and position.
TEST_F(Analysed, KifWithTheCommentsReadsBackToTheSameGame)
{
    const std::string kif = session.Kif();
    EXPECT_NE(kif.find("\n*評価値 "), std::string::npos) << kif;
    EXPECT_NE(kif.find("\n   3 ５三飛(55)\n*評価値 -"), std::string::npos) << kif;
    EXPECT_NE(kif.find(" 最善手 △５三歩(52)"), std::string::npos) << kif;
    GameRecord read;
    std::string error;
    ASSERT_TRUE(ReadGameRecord(kif, VelmoraRules, read, error)) << error << "\n" << kif;
    EXPECT_EQ(read.moves, session.Record().moves) << kif;
    EXPECT_EQ(read.CurrentSfen(), session.Record().CurrentSfen());
}

// Once the record changes, the analysis no longer belongs to it.
TEST_F(Analysed, AnotherRecordDropsTheAnalysis)
{
    ASSERT_NE(session.Analysis(), nullptr);
    ASSERT_TRUE(session.Open("position startpos moves 1d1c"));
    EXPECT_EQ(session.Analysis(), nullptr);
    EXPECT_EQ(session.Kif().find("*"), std::string::npos);
    session.BestLineForward();
    EXPECT_EQ(session.LineShown(), 0u);
}

// The best line from a replayed position plays out on the board move by move, each framed; the
// replay keys return to the record.
TEST_F(Analysed, BestLineStepsOnTheBoardAndReplayKeysReturn)
{
    session.ShowMove(2);
    const std::vector<RecordedMove>& line = analysis.positions[2].line;
    ASSERT_GE(line.size(), 2u);
    view.calls.clear();
    session.BestLineForward();
    session.BestLineForward();
    EXPECT_EQ(session.LineShown(), 2u);
    GameRecord expected = session.Record();
    expected.moves.resize(2);
    for (size_t i = 0; i < 2; ++i)
        expected.moves.push_back(line[i]);
    GameRecord played;
    std::string error;
    ASSERT_TRUE(ReadGameRecord(expected.UsiPosition(), VelmoraRules, played, error)) << error;
    EXPECT_EQ(Board(Ply1Sfen()), Board(played.CurrentSfen()));
    EXPECT_EQ(view.title, "Velmora - move 2 of 5, best line 2 of " + std::to_string(line.size()));
    const Move& last = line[1].move;
    EXPECT_EQ(view.calls[view.calls.size() - 3],
        "mark " + std::to_string(last.fromX) + " " + std::to_string(last.fromY));
    session.BestLineBack();
    EXPECT_EQ(session.LineShown(), 1u);
    session.StepForward();
    EXPECT_EQ(session.LineShown(), 0u);
    EXPECT_EQ(session.ShownMove(), 3u);
    EXPECT_EQ(Board(Ply1Sfen()), Board(session.Record().SfenAfter(3)));
}
