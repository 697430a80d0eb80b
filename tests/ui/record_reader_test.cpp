#include "recording_view.h"

#include "record/kif.h"
#include "record/record_reader.h"
#include "ui/computer_turn.h"
#include "ui/record_keeping.h"

#include "rules/legality.h"
#include "rules/ply_snapshot.h"
#include "rules/rule_tables.h"
#include "rules/setup.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct AcceptedCase {
    const char* name;
    const RuleSet* rules;
    std::string text;
    const char* start;
    const char* moves; // USI, space-separated
    GameEnd end;
    int winner;
    const char* players[SideSlots]; // [SideIndex(side)]: a name, "Com" or ""
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }

class RecordReaderAccepts : public testing::TestWithParam<AcceptedCase> { };

std::string UsiMoves(const GameRecord& record)
{
    std::string moves;
    for (const RecordedMove& m : record.moves)
        moves += (moves.empty() ? "" : " ") + WriteUsiMove(m.move);
    return moves;
}

std::string Player(const GameRecord& record, int s)
{
    return record.computerPlays[SideIndex(s)] ? "Com" : record.playerNames[SideIndex(s)];
}

} // namespace

TEST_P(RecordReaderAccepts, TheGameWithItsStartMovesEndAndPlayers)
{
    const AcceptedCase& c = GetParam();
    SetUpPosition(1);
    const PlySnapshot before(1);
    GameRecord record;
    std::string error;
    ASSERT_TRUE(ReadGameRecord(c.text, *c.rules, record, error)) << error;
    EXPECT_TRUE(record.started);
    EXPECT_EQ(record.startSfen, c.start);
    EXPECT_EQ(UsiMoves(record), c.moves);
    EXPECT_EQ(record.end, c.end);
    EXPECT_EQ(record.winner, c.winner);
    EXPECT_EQ(Player(record, Sente), c.players[SideIndex(Sente)]);
    EXPECT_EQ(Player(record, Gote), c.players[SideIndex(Gote)]);
    EXPECT_TRUE(PlySnapshot(1) == before) << "ply 1 is the game's, not the reader's";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, RecordReaderAccepts, testing::Values(
    // Another program's KIF: no diagram, a byte order mark, CRLF, comments, bookmarks, times.
    AcceptedCase { "KifWithoutDiagram", &StandardRules,
        "\xEF\xBB\xBF# KIF version=2.0 encoding=UTF-8\r\n開始日時：2026/01/02 10:00\r\n"
        "手合割：5五将棋\r\n先手：Alice\r\n後手：Bob\r\n手数----指手---------消費時間--\r\n"
        "*the opening\r\n   1 １三飛(15)   ( 0:01/00:00:01)\r\n   2 同　歩(12)   ( 0:02/00:00:02)\r\n"
        "&bookmark\r\n   3 ４四金(45)\r\n   4 ３三飛打\r\n   5 投了\r\nまで4手で後手の勝ち\r\n",
        "rbsgk/4p/5/P4/KGSBR b - 1", "1e1c 1b1c 4e4d R*3c", GameEnd::Resignation, Gote,
        { "Alice", "Bob" } },
    AcceptedCase { "KifWithDiagramHandicapNamesAndGoteToMove", &VelmoraRules,
        "下手：Com\n上手：Carol\n上手の持駒：歩\n  ５ ４ ３ ２ １\n+---------------+\n"
        "|v王 ・ ・ ・ ・|一\n| ・ ・ ・ ・ ・|二\n| ・ ・ ・ ・ ・|三\n| ・ ・ ・ ・ ・|四\n"
        "| ・ ・ ・ ・ 玉|五\n+---------------+\n下手の持駒：金二\n上手番\n"
        "手数----指手---------消費時間--\n   1 ４一玉(51)\n   2 ２五金打\n",
        "k4/5/5/5/4K w 2Gp 1", "5a4a G*2e", GameEnd::Running, 0, { "Com", "Carol" } },
    AcceptedCase { "KifWithPromotedPiecesStopped", &VelmoraRules,
        "手合割：5五将棋\n後手の持駒：なし\n  ５ ４ ３ ２ １\n+---------------+\n"
        "|v玉 ・ ・ ・ ・|一\n| ・ ・ ・ ・ ・|二\n| ・ 全 ・ ・ ・|三\n| ・ ・ ・ 竜 ・|四\n"
        "| ・ ・ ・ ・ 玉|五\n+---------------+\n先手の持駒：なし\n"
        "   1 ３二成銀(43)\n   2 ５二玉(51)\n   3 ２一龍(24)\n   4 中断\nまで3手で中断\n",
        "k4/5/1+S3/3+R1/4K b - 1", "4c3b 5a5b 2d2a", GameEnd::Stopped, 0, { "", "" } },
    AcceptedCase { "SfenLine", &VelmoraRules, "  4k/5/5/5/K4 w P 3  \n\n",
        "4k/5/5/5/K4 w P 1", "", GameEnd::Running, 0, { "", "" } },
    AcceptedCase { "SfenWithMoves", &VelmoraRules,
        "sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 1d1c", "kgsbr/p4/5/4P/RBSGK b - 1", "1d1c",
        GameEnd::Running, 0, { "", "" } },
    AcceptedCase { "UsiStartposOfVelmora", &VelmoraRules, "position startpos moves 1d1c 5b5c",
        "kgsbr/p4/5/4P/RBSGK b - 1", "1d1c 5b5c", GameEnd::Running, 0, { "", "" } },
    AcceptedCase { "UsiStartposOfStandardMinishogi", &StandardRules,
        "position startpos moves 5d5c\n", "rbsgk/4p/5/P4/KGSBR b - 1", "5d5c", GameEnd::Running,
        0, { "", "" } },
    AcceptedCase { "UsiPawnDropMateInVelmora", &VelmoraRules,
        "position sfen k4/2S2/1G3/5/4K b P 1 moves P*5b", "k4/2S2/1G3/5/4K b P 1", "P*5b",
        GameEnd::Mate, Sente, { "", "" } }),
    [](const testing::TestParamInfo<AcceptedCase>& info) { return std::string(info.param.name); });
// clang-format on

namespace {

// A record as it reads back from the KIF the window writes for it; KIF has no level.
void ExpectKifReadsBack(const GameRecord& record, const RuleSet& rules)
{
    const std::string kif = WriteKif(record);
    GameRecord read;
    std::string error;
    ASSERT_TRUE(ReadGameRecord(kif, rules, read, error)) << error << "\n" << kif;
    read.level = record.level;
    EXPECT_TRUE(read == record) << kif << "read back as\n" << WriteKif(read);
}

struct WrittenCase {
    const char* name;
    const char* sfen;
    bool computerGote;
    std::vector<std::string> moves; // by persons; the computer moves on its timer
    bool stop;
};

void PrintTo(const WrittenCase& c, std::ostream* os) { *os << c.name; }

class KifTheWindowWrites : public testing::TestWithParam<WrittenCase> { };

} // namespace

TEST_P(KifTheWindowWrites, ReadsBackToTheSameRecord)
{
    const WrittenCase& c = GetParam();
    RecordingView view;
    StartGameAt(view, c.sfen, false, c.computerGote);
    StartRecord();
    view.onMessage = [&] { TimerTick(view); };
    for (const std::string& move : c.moves)
        PlayByMouse(view, move);
    TimerTick(view);
    if (c.stop)
        PlayOrStop(view);
    ExpectKifReadsBack(Record, VelmoraRules);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Games, KifTheWindowWrites, testing::Values(
    WrittenCase { "EveryKindOfMoveThenStop", "2k2/5/1S1p1/R3P/K4 b G 1", false,
        { "4c4b", "3a2b", "4b3a", "2b3a", "1d1c", "2c2d", "1c1b", "2d2e+", "1b1a+", "S*3c",
          "G*4d", "3c3d", "5d5a+", "3a3b" }, true },
    WrittenCase { "MateByADrop", "k4/5/1G3/5/4K b G 1", false, { "G*5b" }, false },
    WrittenCase { "KingWalksIntoTheRook", "k4/5/5/r4/4K b - 1", false, { "1e1d" }, false },
    WrittenCase { "ComputerResignsAtOnce", "k4/4R/3B1/5/4K w - 1", true, {}, false },
    WrittenCase { "ComputerMates", "4k/5/2sg1/5/4K w - 1", true, {}, false },
    WrittenCase { "GameStillRunning", "kgsbr/p4/5/4P/RBSGK b - 1", true, { "1d1c" }, false }),
    [](const testing::TestParamInfo<WrittenCase>& info) { return std::string(info.param.name); });
// clang-format on

// Whole games of a person playing at random against the computer, at every level of both rule
// sets, and a loaded record with the players' names.
TEST(KifTheWindowWrites, ReadsBackAfterWholeGamesAndWithPlayerNames)
{
    for (const RuleSet* rules : { &VelmoraRules, &StandardRules })
        for (int level = 1; level <= 3; ++level) {
            SCOPED_TRACE("level " + std::to_string(level));
            RecordingView view;
            Game = GameState {};
            StartUp(view);
            ChangeRules(view, *rules);
            while (Game.Level != level)
                CycleLevel(view);
            PlayOrStop(view);
            std::mt19937 random { unsigned(level) };
            while (Game.GameRunning && Record.moves.size() < 60) {
                if (Game.ComputerToMove()) {
                    TimerTick(view);
                    continue;
                }
                std::vector<Move> moves;
                ForEachMove(1, Game.SideToMove, [&](const Move& m) {
                    if (MakeMoveIfSafe(1, Game.SideToMove, m))
                        moves.push_back(m);
                });
                // Under standard rules a pawn drop that mates is no destination; the click on it
                // does nothing and the person tries again.
                if (moves.empty())
                    break;
                PlayByMouse(view, WriteUsiMove(moves[random() % moves.size()]));
            }
            ExpectKifReadsBack(Record, *rules);
        }
    GameRecord named;
    std::string error;
    ASSERT_TRUE(ReadGameRecord(
        "先手：Alice\n後手：Bob\n手合割：5五将棋\n   1 ５三歩(54)\n", StandardRules, named, error))
        << error;
    ExpectKifReadsBack(named, StandardRules);
}
