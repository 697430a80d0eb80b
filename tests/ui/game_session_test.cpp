#include "recording_view.h"

#include "record/kif.h"
#include "record/record_reader.h"
#include "ui/game_session.h"

#include "rules/ply_snapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A new window's session.
class Session : public testing::Test {
protected:
    void SetUp() override
    {
        Game = GameState {};
        session.StartUp();
        view.calls.clear();
    }

    // Opens text that must read, forgetting the calls it made.
    void OpenGood(const std::string& text)
    {
        ASSERT_TRUE(session.Open(text)) << testing::PrintToString(view.Messages());
        view.calls.clear();
    }

    RecordingView view;
    GameSession session { view };
};

// Five moves of Velmora's game: Sente's pawn runs up and takes the rook with forced promotion.
constexpr const char* FiveMoves = "position startpos moves 1d1c 5b5c 1c1b 5c5d 1b1a+";

struct RefusedCase {
    const char* name;
    std::string text;
    const char* message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class SessionRefuses : public Session, public testing::WithParamInterface<RefusedCase> { };

// The window's own KIF of a game in progress, cut inside its board diagram.
const std::string TruncatedKif = "手合割：5五将棋\n先手：You\n後手：Com\n後手の持駒：なし\n"
                                 "  ５ ４ ３ ２ １\n+---------------+\n| ・ ・v玉 ・ ・|一\n"
                                 "| ・ ・ ・ ・ ・|二\n";
const std::string StandardKif = "手合割：5五将棋\n手数----指手---------消費時間--\n"
                                "   1 １三飛(15)\n   2 同　歩(12)\n";

} // namespace

// A game is running when the text arrives; whatever is wrong with it, the person learns the line
// and the reason, and the game, its record and the picture stay exactly as they were.
TEST_P(SessionRefuses, WithTheLineAndReasonLeavingTheGameAsItWas)
{
    const RefusedCase& c = GetParam();
    session.PlayOrStop();
    PlayByMouse(view, "1d1c");
    session.Tick();
    ASSERT_EQ(Record.moves.size(), 2u);
    const GameRecord record = Record;
    const PlySnapshot ply(1);
    const std::string sfen = Ply1Sfen();
    view.calls.clear();

    EXPECT_FALSE(session.Open(c.text));
    EXPECT_EQ(
        view.calls, std::vector<std::string> { std::string("message Not opened: ") + c.message });
    EXPECT_TRUE(Record == record);
    EXPECT_TRUE(PlySnapshot(1) == ply);
    EXPECT_EQ(Ply1Sfen(), sfen);
    EXPECT_TRUE(Game.GameRunning);
    EXPECT_FALSE(session.Replaying());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, SessionRefuses, testing::Values(
    RefusedCase { "NineByNineHandicap", "手合割：平手\n   1 ７六歩(77)\n",
        "line 1: 手合割 '平手' is a game of 9 x 9 shogi" },
    RefusedCase { "NineByNineDiagram",
        "後手の持駒：なし\n  ９ ８ ７ ６ ５ ４ ３ ２ １\n+---------------------------+\n",
        "line 2: a board diagram of 9 files; minishogi has 5" },
    RefusedCase { "UnknownHandicap", "手合割：七五将棋\n", "line 1: unknown handicap '七五将棋'" },
    RefusedCase { "IllegalMoveAtLine5", StandardKif + "   3 ５一玉(55)\n",
        "line 5: move 3 '５一玉(55)' is illegal: the piece cannot go there" },
    RefusedCase { "MoveOfAPieceNotThere", StandardKif + "   3 ３四金(35)\n",
        "line 5: '３四金(35)' moves a 金 that is not on 3e" },
    RefusedCase { "MoveNumberSkipped", StandardKif + "   4 ４四金(45)\n",
        "line 5: move number 4 where 3 belongs" },
    RefusedCase { "SquareOffTheBoard", StandardKif + "   3 ６四金(45)\n",
        "line 5: '６四金(45)' goes off the 5 x 5 board" },
    RefusedCase { "PieceOfALargerGame", StandardKif + "   3 ４四香(45)\n",
        "line 5: '香' is not a minishogi piece" },
    RefusedCase { "TruncatedInTheDiagram", TruncatedKif,
        "line 8: the board diagram ends after 2 of 5 rows" },
    RefusedCase { "TruncatedInAMove", StandardKif + "   3 ４", "line 5: cannot read the move '４'" },
    RefusedCase { "BinaryJunk", std::string("\x7f" "ELF\x02\x01\x01\x00\x00\x00", 10),
        "line 1: not text in UTF-8 or Shift_JIS" },
    RefusedCase { "TenMegabytes", std::string(10 << 20, 'k'),
        "the text is larger than 1 MB, far more than a game record" },
    RefusedCase { "TwoSentePawnsOnAFile", "position sfen k4/5/P4/P4/4K b - 1",
        "line 1: two unpromoted pawns of Sente on file 5" },
    RefusedCase { "SideNotToMoveInCheck", "k4/R4/5/5/4K b - 1",
        "line 1: Gote, not to move, is in check" },
    RefusedCase { "IllegalUsiMove", "position startpos moves 1d1c 1c1b",
        "line 1: move 2 '1c1b' is illegal: the side to move has no such piece there or in hand" },
    RefusedCase { "NoStartPosition", "先手：Alice\n   1 ５三歩(54)\n",
        "line 2: the record names no start: no 手合割 line and no board diagram" },
    RefusedCase { "Prose", "Dear friend,\nhere is our game.\n",
        "line 1: not a KIF record, an SFEN position or a USI position line: 'Dear friend,'" },
    RefusedCase { "Empty", " \n\n", "the text is empty" }),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(Session, OpensARecordAtItsLastPositionWithTheLastMoveFramed)
{
    ASSERT_TRUE(session.Open(FiveMoves));
    EXPECT_EQ(Record.moves.size(), 5u);
    EXPECT_EQ(Ply1Sfen(), "kgsb+P/5/5/p4/RBSGK w R 1");
    EXPECT_EQ(view.calls,
        (std::vector<std::string> {
            "draw 1", "mark 5 2", "mark 5 1", "title Velmora - move 5 of 5" }));
    EXPECT_FALSE(Game.GameRunning);
}

// The keys step through the record; each position is the one the moves reach, framed like a
// computer's move, and the title names it.
TEST_F(Session, ReplaysTheRecordStepByStep)
{
    OpenGood(FiveMoves);
    struct Step {
        void (GameSession::*key)();
        const char* sfen;
        std::vector<std::string> calls;
    };
    const Step steps[] = {
        { &GameSession::ToStart, "kgsbr/p4/5/4P/RBSGK b - 1",
            { "draw 1", "title Velmora - start of 5 moves" } },
        { &GameSession::StepBack, "kgsbr/p4/5/4P/RBSGK b - 1", {} },
        { &GameSession::StepForward, "kgsbr/p4/4P/5/RBSGK w - 1",
            { "draw 1", "mark 5 4", "mark 5 3", "title Velmora - move 1 of 5" } },
        { &GameSession::StepForward, "kgsbr/5/p3P/5/RBSGK b - 1",
            { "draw 1", "mark 1 2", "mark 1 3", "title Velmora - move 2 of 5" } },
        { &GameSession::StepBack, "kgsbr/p4/4P/5/RBSGK w - 1",
            { "draw 1", "mark 5 4", "mark 5 3", "title Velmora - move 1 of 5" } },
        { &GameSession::ToEnd, "kgsb+P/5/5/p4/RBSGK w R 1",
            { "draw 1", "mark 5 2", "mark 5 1", "title Velmora - move 5 of 5" } },
        { &GameSession::StepForward, "kgsb+P/5/5/p4/RBSGK w R 1", {} },
    };
    for (const Step& step : steps) {
        (session.*step.key)();
        EXPECT_EQ(Ply1Sfen(), step.sfen);
        EXPECT_EQ(view.calls, step.calls) << step.sfen;
        view.calls.clear();
    }
}

TEST_F(Session, ReplaysTheGameJustPlayedButNotWhileAGameRuns)
{
    session.TogglePlayer(Gote); // two persons
    session.PlayOrStop();
    PlayByMouse(view, "1d1c");
    PlayByMouse(view, "5b5c");
    view.calls.clear();
    session.StepBack();
    session.ToStart();
    EXPECT_TRUE(view.calls.empty()) << "the keys wait for the game to end";
    session.PlayOrStop(); // "Stop"
    session.StepBack();
    EXPECT_EQ(Ply1Sfen(), "kgsbr/p4/4P/5/RBSGK w - 1");
    EXPECT_EQ(view.title, "Velmora - move 1 of 2");
    session.CycleLevel();
    EXPECT_EQ(view.title, "Velmora") << "a new level shows its start, not the record";
    EXPECT_FALSE(session.Replaying());
}

// "Play" while replaying goes on from the position shown with the players of the labels; the
// record keeps its moves up to there, the level is not applied, and a take back returns there.
TEST_F(Session, PlaysOnFromThePositionShownAndTakesBackToIt)
{
    OpenGood(FiveMoves);
    session.CycleLevel();
    session.CycleLevel(); // level 3 would take Sente's bishop and rook from the designed start
    session.ToStart();
    session.StepForward();
    session.StepForward();
    ASSERT_EQ(Ply1Sfen(), "kgsbr/5/p3P/5/RBSGK b - 1");
    session.PlayOrStop();
    EXPECT_TRUE(Game.GameRunning);
    EXPECT_EQ(view.captions[1], "Stop");
    EXPECT_EQ(view.title, "Velmora");
    EXPECT_EQ(Record.moves.size(), 2u);
    EXPECT_EQ(Record.end, GameEnd::Running);
    EXPECT_EQ(Ply1Sfen(), "kgsbr/5/p3P/5/RBSGK b - 1") << "no handicap";

    PlayByMouse(view, "1c1b");
    ASSERT_TRUE(session.ComputerIsToMove());
    session.Tick();
    ASSERT_EQ(Record.moves.size(), 4u) << "the person's move and the computer's reply";
    EXPECT_EQ(Record.UsiPosition(2), "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 1d1c 5b5c");
    EXPECT_EQ(WriteUsiMove(Record.moves[2].move), "1c1b");
    ASSERT_TRUE(session.TakeBack());
    EXPECT_EQ(Record.moves.size(), 2u);
    EXPECT_EQ(Ply1Sfen(), "kgsbr/5/p3P/5/RBSGK b - 1");
}

TEST_F(Session, PlaysOnWithTheComputerWhenTheLabelsGiveItTheSideToMove)
{
    OpenGood("position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 1d1c");
    session.PlayOrStop();
    EXPECT_TRUE(session.ComputerIsToMove()) << "Gote is to move and the label says Com";
    session.Tick();
    EXPECT_EQ(Record.moves.size(), 2u);
    EXPECT_FALSE(session.ComputerIsToMove());
    EXPECT_EQ(view.calls.back(),
        "mark " + std::to_string(Record.moves[1].move.toX) + " "
            + std::to_string(Record.moves[1].move.toY));
}

// Opening a record over a running game needs a yes; a no keeps the game.
TEST_F(Session, AsksBeforeEndingARunningGame)
{
    session.PlayOrStop();
    PlayByMouse(view, "1d1c");
    session.Tick();
    const GameRecord record = Record;
    view.calls.clear();
    view.answer = false;
    EXPECT_FALSE(session.Open(FiveMoves));
    EXPECT_EQ(view.calls,
        std::vector<std::string> { "confirm A game is running. End it and open the new one?" });
    EXPECT_TRUE(Record == record);
    EXPECT_TRUE(Game.GameRunning);

    view.answer = true;
    EXPECT_TRUE(session.Open(FiveMoves));
    EXPECT_FALSE(Game.GameRunning);
    EXPECT_EQ(view.captions[1], "Play");
    EXPECT_EQ(Record.moves.size(), 5u);
}

// Under standard minishogi a pawn drop that mates is no destination for a person and never the
// computer's move; Velmora's game allows both.
TEST_F(Session, StandardRulesNeverDropAPawnToMate)
{
    constexpr const char* Mate = "position sfen k4/2S2/1G3/5/4K b P 1";
    for (const RuleSet* rules : { &VelmoraRules, &StandardRules }) {
        SCOPED_TRACE(rules->name);
        SetUp();
        session.ChangeRules(*rules);
        OpenGood(Mate);
        session.TogglePlayer(Gote); // two persons
        session.PlayOrStop();
        ClickCell(view, Pawn, 6);
        EXPECT_EQ(TargetMap[1][1][2], rules == &VelmoraRules ? TargetMove : TargetNone);
        EXPECT_EQ(TargetMap[1][3][3], TargetMove) << "other drops stay";
        ClickCell(view, 1, 2);
        EXPECT_EQ(Record.moves.size(), rules == &VelmoraRules ? 1u : 0u);

        SetUp();
        session.ChangeRules(*rules);
        OpenGood(Mate);
        session.TogglePlayer(Sente); // the computer plays Sente
        session.PlayOrStop();
        session.Tick();
        ASSERT_EQ(Record.moves.size(), 1u);
        EXPECT_EQ(WriteUsiMove(Record.moves[0].move) == "P*5b", rules == &VelmoraRules);
    }
}

TEST_F(Session, StandardRulesStartFromTheUsualPositionAndLevelsTakeBishopAndRook)
{
    session.ChangeRules(StandardRules);
    EXPECT_EQ(Ply1Sfen(), "rbsgk/4p/5/P4/KGSBR b - 1");
    const char* const levels[]
        = { "rbsgk/4p/5/P4/KGS1R b - 1", "rbsgk/4p/5/P4/KGS2 b - 1", "rbsgk/4p/5/P4/KGSBR b - 1" };
    for (const char* sfen : levels) {
        session.CycleLevel();
        EXPECT_EQ(Ply1Sfen(), sfen);
    }
    session.CycleLevel();
    session.PlayOrStop();
    EXPECT_EQ(Record.startSfen, "rbsgk/4p/5/P4/KGS1R b - 1");
    EXPECT_NE(WriteKif(Record).find("| 玉 金 銀 ・ 飛|五\n"), std::string::npos)
        << WriteKif(Record);
    session.ChangeRules(VelmoraRules);
    EXPECT_EQ(Game.Rules, &StandardRules) << "the rules stay while a game runs";
}

// A record belongs to its rules: a change of rules drops it, so no key brings back a game of the
// other rules; choosing the rules in force keeps it.
TEST_F(Session, ChangingTheRulesDropsTheRecordAndChoosingTheSameKeepsIt)
{
    const struct {
        const RuleSet* rules;
        bool kept;
        const char* boardAfterLeft; // the record's move 4 that Left shows, or the rules' start
    } cases[] = {
        { &VelmoraRules, true, "kgsbr/4P/5/p4/RBSGK " },
        { &StandardRules, false, "rbsgk/4p/5/P4/KGSBR " },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rules->name);
        SetUp();
        OpenGood(FiveMoves);
        session.ChangeRules(*c.rules);
        EXPECT_EQ(Record.started, c.kept);
        EXPECT_EQ(session.CanReplay(), c.kept);
        EXPECT_FALSE(session.Replaying());
        EXPECT_EQ(view.title, "Velmora");
        session.StepBack();
        EXPECT_TRUE(Ply1Sfen().starts_with(c.boardAfterLeft)) << Ply1Sfen();
        session.ToStart();
        session.PlayOrStop(); // "Play" starts from the start of the rules in force
        EXPECT_EQ(Record.startSfen, c.rules->startSfen);
    }
}

// A text that only the other rules read is refused with the reason, and the person learns which
// rules would read it; a text neither reads gets the reason alone.
TEST_F(Session, RefusesATextOfTheOtherRulesSayingWhichRulesReadIt)
{
    const struct {
        const RuleSet* rules;
        const char* text;
        const char* message;
    } cases[] = {
        { &StandardRules, "position sfen k4/2S2/1G3/5/4K b P 1 moves P*5b",
            "Not opened: line 1: move 1 'P*5b' is illegal: a pawn drop may not give mate - it is "
            "legal under Velmora's rules; switch the rules in the menu" },
        { &VelmoraRules, "position startpos moves 5d5c",
            "Not opened: line 1: move 1 '5d5c' is illegal: the side to move has no such piece "
            "there or in hand - it is legal under standard minishogi rules; switch the rules in "
            "the menu" },
        { &StandardRules, "position startpos moves 1d1c",
            "Not opened: line 1: move 1 '1d1c' is illegal: the side to move has no such piece "
            "there or in hand - it is legal under Velmora's rules; switch the rules in the menu" },
        { &VelmoraRules, "position startpos moves 1d1b",
            "Not opened: line 1: move 1 '1d1b' is illegal: the piece cannot go there" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SetUp();
        session.ChangeRules(*c.rules);
        view.calls.clear();
        EXPECT_FALSE(session.Open(c.text));
        EXPECT_EQ(view.Messages(), std::vector<std::string> { c.message });
        EXPECT_EQ(Game.Rules, c.rules) << "the rules stay the person's choice";
    }
}

// The classic computer answers within its tick: the designed window's title never changes.
TEST_F(Session, TheClassicComputerLeavesTheTitleAlone)
{
    session.PlayOrStop();
    PlayByMouse(view, "1d1c");
    session.Tick();
    ASSERT_EQ(Record.moves.size(), 2u);
    session.PlayOrStop();
    for (const std::string& call : view.calls)
        EXPECT_FALSE(call.starts_with("title ")) << call;
}
