#include "tests/support/case_names.h"
#include "tests/support/sfen_fixture.h"
#include "ui/after_move.h"
#include "ui/spoken_text.h"

#include "rules/ply_snapshot.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct SpokenCase {
    const char* name;
    const char* sfen;
    const char* move;
    std::optional<std::pair<int, int>> lastTo;
    const char* english;
    const char* japanese;
};

void PrintTo(const SpokenCase& c, std::ostream* os) { *os << c.sfen << " " << c.move; }

class SpokenMoveText : public testing::TestWithParam<SpokenCase> { };

} // namespace

TEST_P(SpokenMoveText, SaysTheMoveInEachNotation)
{
    const SpokenCase& c = GetParam();
    const int side = LoadSfen(c.sfen);
    std::memset(TargetMap[1], 7, sizeof TargetMap[1]);
    const PlySnapshot before(1);
    const MoveFacts facts = FactsOfMove(1, UsiMove(c.move, side), side, c.lastTo);
    EXPECT_EQ(SpokenMove(facts, Notation::English), c.english) << c.sfen;
    EXPECT_EQ(SpokenMove(facts, Notation::Japanese), c.japanese) << c.sfen;
    EXPECT_EQ(SpokenMove(facts, Notation::Usi), c.move) << c.sfen;
    EXPECT_TRUE(PlySnapshot(1) == before) << "the move is not made on ply 1";
    EXPECT_EQ(TargetMap[1][3][3], 7) << "the destinations of ply 1 are the window's";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Moves, SpokenMoveText, testing::Values(
    SpokenCase { "PawnStep", StartSfen.data(), "1d1c", {},
        "Sente pawn 1d to 1c", "▲１三歩" },
    SpokenCase { "CaptureWithCheck", StartSfen.data(), "5e5b", {},
        "Sente rook 5e takes pawn on 5b, check", "▲５二飛、王手" },
    SpokenCase { "Promotes", "k4/2S2/5/5/4K b - 1", "3b3a+", {},
        "Sente silver 3b to 3a, promotes", "▲３一銀成" },
    SpokenCase { "DeclinesAnOptionalPromotion", "k4/2S2/5/5/4K b - 1", "3b3a", {},
        "Sente silver 3b to 3a, does not promote", "▲３一銀不成" },
    SpokenCase { "DropThatMates", "kp3/5/1G3/5/4K b P 1", "P*5b", {},
        "Sente pawn dropped on 5b, check", "▲５二歩打、王手" },
    SpokenCase { "GoteGoldSteps", "kgsbr/p4/5/4P/RBSGK w - 1", "4a3b", {},
        "Gote gold 4a to 3b", "△３二金" },
    SpokenCase { "GoteTakesOnTheSquareOfTheLastMove", "kgsbr/5/4P/5/RBSGK w p 1", "1a1c",
        std::pair(5, 3), "Gote rook 1a takes pawn on 1c, check", "△同　飛、王手" },
    SpokenCase { "TakesAPromotedPiece", "k4/5/2+s2/2R2/4K b - 1", "3d3c", {},
        "Sente rook 3d takes promoted silver on 3c", "▲３三飛" }),
    CaseName);
// clang-format on

// The computer's move is told after it is made, from the record.
TEST(SpokenRecordedMove, IsToldFromThePositionBeforeItThatTheRecordKeeps)
{
    LoadSfen(StartSfen.data());
    GameRecord record;
    record.startSfen = StartSfen;
    AppendMove(record, UsiMove("1d1c", Sente), Sente);
    AppendMove(record, UsiMove("1a1c", Gote), Gote);
    std::memset(TargetMap[1], 7, sizeof TargetMap[1]);
    const PlySnapshot before(1);
    const MoveFacts first = FactsOfRecordedMove(record, 1);
    EXPECT_EQ(SpokenMove(first, Notation::English), "Sente pawn 1d to 1c");
    const MoveFacts second = FactsOfRecordedMove(record, 2);
    EXPECT_EQ(SpokenMove(second, Notation::English), "Gote rook 1a takes pawn on 1c, check");
    EXPECT_EQ(SpokenMove(second, Notation::Japanese), "△同　飛、王手");
    EXPECT_TRUE(PlySnapshot(1) == before) << "ply 1 is the game's";
    EXPECT_EQ(TargetMap[1][3][3], 7) << "the destinations of ply 1 are the window's";
}

// A position with a promoted pawn, pieces in both hands and an open rank.
constexpr const char* Middlegame = "kgs1r/p1+P2/5/5/RB1GK b Sb 1";

TEST(SpokenDescriptions, SquaresHandsRanksAndFilesAreReadOut)
{
    LoadSfen(Middlegame);
    EXPECT_EQ(SquareDescription(1, 3, 1), "3a, Gote silver");
    EXPECT_EQ(SquareDescription(1, 3, 2), "3b, Sente promoted pawn");
    EXPECT_EQ(SquareDescription(1, 2, 4), "4d, empty");
    EXPECT_EQ(HandDescription(1, Sente), "Sente's hand: silver");
    EXPECT_EQ(RankDescription(1, 2),
        "rank b: 5b Gote pawn, 4b empty, 3b Sente promoted pawn, 2b empty, 1b empty");
    EXPECT_EQ(FileDescription(1, 3),
        "file 3: 3a Gote silver, 3b Sente promoted pawn, 3c empty, 3d empty, 3e empty");
    LoadSfen("k4/5/5/5/4K b 2P2Sgb 1");
    EXPECT_EQ(HandDescription(1, Sente), "Sente's hand: 2 silvers, 2 pawns");
    EXPECT_EQ(HandDescription(1, Gote), "Gote's hand: bishop, gold");
    LoadSfen(StartSfen.data());
    EXPECT_EQ(HandDescription(1, Gote), "Gote's hand: empty");
}

TEST(SpokenDescriptions, PiecesAreFoundOnTheBoardAndInHand)
{
    LoadSfen(Middlegame);
    EXPECT_EQ(PieceLocations(1, Gote, Pawn), "Gote pawns: 5b");
    EXPECT_EQ(PieceLocations(1, Sente, Tokin), "Sente promoted pawns: 3b");
    EXPECT_EQ(PieceLocations(1, Sente, Silver), "Sente silvers: 1 in hand");
    EXPECT_EQ(PieceLocations(1, Gote, Bishop), "Gote bishops: 1 in hand");
    EXPECT_EQ(PieceLocations(1, Gote, Dragon), "Gote promoted rooks: none");
    LoadSfen("k4/5/5/5/1G2K b G 1");
    EXPECT_EQ(PieceLocations(1, Sente, Gold), "Sente golds: 4e, 1 in hand");
}

// Attackers come from the rules' targets: a slider stops at the first piece, a piece that
// guards its own side counts, and the piece on the square does not attack itself.
TEST(SpokenDescriptions, AttackersOfASquareAreEveryPieceThatReachesIt)
{
    LoadSfen(Middlegame);
    std::memset(TargetMap[1], 7, sizeof TargetMap[1]);
    EXPECT_EQ(
        AttackersOf(1, 4, 2), "2b is attacked by Gote silver on 3a and Sente promoted pawn on 3b");
    EXPECT_EQ(AttackersOf(1, 2, 3), "4c is not attacked");
    EXPECT_EQ(AttackersOf(1, 5, 4),
        "1d is attacked by Sente gold on 2e, Gote rook on 1a and Sente king on 1e");
    EXPECT_EQ(TargetMap[1][3][3], 7) << "the destinations of ply 1 are the window's";
}

TEST(SpokenDescriptions, TheTurnNamesSideRulesLevelAndOpponent)
{
    EXPECT_EQ(
        TurnDescription(Sente, SpokenRulesName(VelmoraRules), 1, "against the classic computer"),
        "Sente to move; Velmora's rules, level 1, against the classic computer");
    EXPECT_EQ(TurnDescription(Gote, SpokenRulesName(StandardRules), 3, "two players"),
        "Gote to move; standard minishogi rules, level 3, two players");
}

TEST(SpokenDescriptions, GameEndsAndTheWindowsMessagesAreExplained)
{
    EXPECT_EQ(GameEndSentence(GameEnd::Mate, Sente), "Sente wins by mate");
    EXPECT_EQ(GameEndSentence(GameEnd::Resignation, Gote), "Gote wins: Sente resigned");
    EXPECT_EQ(GameEndSentence(GameEnd::OwnKingLeftAttacked, Sente),
        "Sente wins: Gote's move left its own king in check");
    EXPECT_EQ(GameEndSentence(GameEnd::Stopped, 0), "The game was stopped");
    EXPECT_EQ(MessageInWords("まで"), "The game is over");
    EXPECT_EQ(MessageInWords(WinnerMessage(Sente)), "Sente wins");
    EXPECT_EQ(MessageInWords(WinnerMessage(Gote)), "Gote wins");
    EXPECT_EQ(MessageInWords("まいりました"), "The computer resigns");
    EXPECT_EQ(MessageInWords("いやお強い！"), "You are strong!");
    EXPECT_EQ(MessageInWords("Lv2"), "Lv2");
}
