#include "recording_view.h"

#include "record/kif.h"
#include "ui/computer_turn.h"
#include "ui/record_keeping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A running game from a position, recorded from there as "Play" records from the level's start.
void StartRecordedGameAt(
    RecordingView& view, const std::string& sfen, bool computerSente, bool computerGote)
{
    StartGameAt(view, sfen, computerSente, computerGote);
    StartRecord();
}

void PlayAll(RecordingView& view, const std::vector<std::string>& moves)
{
    for (const std::string& move : moves) {
        ASSERT_TRUE(Game.GameRunning) << "the game ended before " << move;
        PlayByMouse(view, move);
    }
}

std::vector<std::string> UsiMoves()
{
    std::vector<std::string> moves;
    for (const RecordedMove& m : Record.moves)
        moves.push_back(WriteUsiMove(m.move));
    return moves;
}

// Two persons play every kind of move KIF writes differently: a check answered by taking the
// checker (同), an optional promotion declined and one taken, a forced promotion for each side,
// drops of both sides; then "Stop".
constexpr const char* MixedStart = "2k2/5/1S1p1/R3P/K4 b G 1";
// clang-format off
const std::vector<std::string> MixedMoves = {
    "4c4b", "3a2b",
    "4b3a", "2b3a",
    "1d1c", "2c2d",
    "1c1b", "2d2e+",
    "1b1a+", "S*3c",
    "G*4d", "3c3d",
    "5d5a+", "3a3b",
};
// clang-format on

} // namespace

TEST(GameRecord, KeepsEveryMovePlayedWithThePositionsBetween)
{
    RecordingView view;
    StartRecordedGameAt(view, MixedStart, false, false);
    PlayAll(view, MixedMoves);
    PlayOrStop(view);
    EXPECT_EQ(UsiMoves(), MixedMoves);
    EXPECT_EQ(Record.startSfen, "2k2/5/1S1p1/R3P/K4 b G 1");
    EXPECT_EQ(Record.CurrentSfen(), WriteSfen(1, SfenHeader { Sente, 15 })) << "ply 1 at the stop";
    EXPECT_EQ(Record.moves[3].after, "2k2/5/3p1/R3P/K4 b Gs 5");
    EXPECT_EQ(Record.end, GameEnd::Stopped);
}

TEST(GameRecord, WritesTheGameAsKif)
{
    RecordingView view;
    StartRecordedGameAt(view, MixedStart, false, false);
    PlayAll(view, MixedMoves);
    PlayOrStop(view);
    EXPECT_EQ(WriteKif(Record),
        "手合割：5五将棋\n"
        "先手：You\n"
        "後手：You\n"
        "後手の持駒：なし\n"
        "  ５ ４ ３ ２ １\n"
        "+---------------+\n"
        "| ・ ・v玉 ・ ・|一\n"
        "| ・ ・ ・ ・ ・|二\n"
        "| ・ 銀 ・v歩 ・|三\n"
        "| 飛 ・ ・ ・ 歩|四\n"
        "| 玉 ・ ・ ・ ・|五\n"
        "+---------------+\n"
        "先手の持駒：金\n"
        "手数----指手---------消費時間--\n"
        "   1 ４二銀(43)\n"
        "   2 ２二玉(31)\n"
        "   3 ３一銀不成(42)\n"
        "   4 同　玉(22)\n"
        "   5 １三歩(14)\n"
        "   6 ２四歩(23)\n"
        "   7 １二歩(13)\n"
        "   8 ２五歩成(24)\n"
        "   9 １一歩成(12)\n"
        "  10 ３三銀打\n"
        "  11 ４四金打\n"
        "  12 ３四銀(33)\n"
        "  13 ５一飛成(54)\n"
        "  14 ３二玉(31)\n"
        "  15 中断\n"
        "まで14手で中断\n");
}

TEST(GameRecord, CopiesThePositionAndTheGameForUsi)
{
    RecordingView view;
    StartUp(view);
    Game.ComputerPlays[SideIndex(Gote)] = false;
    PlayOrStop(view);
    PlayAll(view, { "1d1c", "5b5c" });
    EXPECT_EQ(Record.CurrentSfen(), "kgsbr/5/p3P/5/RBSGK b - 3");
    EXPECT_EQ(Record.UsiPosition(), "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 1d1c 5b5c");
}

TEST(GameRecord, NamesPromotedPiecesAsKifReadersDo)
{
    RecordingView view;
    // A promoted silver and a dragon move; the diagram shows them and a horse in one character.
    StartRecordedGameAt(view, "k4/2+S2/3+r1/1+B3/4K b - 1", false, false);
    PlayAll(view, { "3b3a", "2c2d" });
    EXPECT_NE(
        WriteKif(Record).find("|v玉 ・ ・ ・ ・|一\n| ・ ・ 全 ・ ・|二\n| ・ ・ ・v龍 ・|三\n"
                              "| ・ 馬 ・ ・ ・|四\n"),
        std::string::npos)
        << WriteKif(Record);
    EXPECT_EQ(KifMove(Record.moves[0], 0, 0), "３一成銀(32)");
    EXPECT_EQ(KifMove(Record.moves[1], 0, 0), "２四龍(23)");
}

namespace {

struct EndingCase {
    const char* name;
    const char* sfen;
    bool computerGote;
    std::vector<std::string> moves; // played by persons; the computer moves on its timer
    GameEnd end;
    int winner;
    const char* kifEnd;
};

void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.name; }

class GameEnding : public testing::TestWithParam<EndingCase> { };

} // namespace

TEST_P(GameEnding, IsKeptAndClosesTheKif)
{
    const EndingCase& c = GetParam();
    RecordingView view;
    StartRecordedGameAt(view, c.sfen, false, c.computerGote);
    view.onMessage = [&] { TimerTick(view); };
    PlayAll(view, c.moves);
    TimerTick(view);
    EXPECT_FALSE(Game.GameRunning) << c.sfen;
    EXPECT_EQ(Record.end, c.end) << c.sfen;
    EXPECT_EQ(Record.winner, c.winner) << c.sfen;
    const std::string kif = WriteKif(Record);
    EXPECT_TRUE(kif.ends_with(c.kifEnd)) << kif;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ways, GameEnding, testing::Values(
    EndingCase { "MateByADrop", "k4/5/1G3/5/4K b G 1", false, { "G*5b" }, GameEnd::Mate, Sente,
        "   1 ５二金打\nまで1手で先手の勝ち\n" },
    EndingCase { "KingWalksIntoTheRook", "k4/5/5/r4/4K b - 1", false, { "1e1d" },
        GameEnd::OwnKingLeftAttacked, Gote,
        "   1 １四玉(15)\n   2 反則勝ち\nまで1手で後手の反則勝ち\n" },
    EndingCase { "ComputerResigns", "k4/4R/3B1/5/4K w - 1", true, {}, GameEnd::Resignation,
        Sente, "後手番\n手数----指手---------消費時間--\n   1 投了\nまで0手で先手の勝ち\n" },
    EndingCase { "ComputerMates", "4k/5/2sg1/5/4K w - 1", true, {}, GameEnd::Mate, Gote,
        "   1 ２四銀(33)\nまで1手で後手の勝ち\n" }),
    [](const testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(GameRecord, OutlivesItsGameUntilTheNextPlay)
{
    RecordingView view;
    StartUp(view);
    EXPECT_FALSE(Record.started) << "nothing to copy before the first game";
    Game.ComputerPlays[SideIndex(Gote)] = false;
    PlayOrStop(view);
    PlayAll(view, { "1d1c" });
    PlayOrStop(view);
    CycleLevel(view);
    EXPECT_EQ(Record.CurrentSfen(), "kgsbr/p4/4P/5/RBSGK w - 2") << "a new level keeps the record";
    EXPECT_EQ(Record.level, 1);
    PlayOrStop(view);
    EXPECT_TRUE(Record.moves.empty());
    EXPECT_EQ(Record.startSfen, "kgsbr/p4/5/4P/R1SGK b - 1");
    EXPECT_EQ(Record.end, GameEnd::Running);
}
