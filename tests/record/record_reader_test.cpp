#include "record/record_reader.h"
#include "rules/ply_snapshot.h"
#include "rules/rule_set.h"
#include "rules/setup.h"
#include "rules/usi_move.h"

#include <gtest/gtest.h>

#include <string>

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
