#include "record/game_record.h"
#include "record/kif.h"
#include "record/kif_names.h"
#include "tests/support/case_names.h"
#include "tests/support/random_play.h"
#include "tests/support/sfen_fixture.h"
#include "ui/typed_move.h"

#include "rules/ply_snapshot.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Two Sente golds that both reach 3d (4e and 2e).
constexpr const char* TwoGolds = "k4/5/5/5/1G1GK b - 1";
// A silver on 3b that may promote on 3a, and a pawn on 1b that must on 1a.
constexpr const char* SilverAndPawnNearTheFarRow = "k4/2S1P/5/5/4K b - 1";
// A silver on 3d and one in hand: both reach 3c.
constexpr const char* SilverAndSilverInHand = "k4/5/5/2S2/4K b S 1";
// A pawn dropped on 5b mates: the gold on 4c guards it and 4b, Gote's own pawn blocks 4a.
constexpr const char* PawnDropMates = "kp3/5/1G3/5/4K b P 1";
// The gold on 1c stands between Gote's rook and Sente's king.
constexpr const char* PinnedGold = "k3r/5/4G/5/4K b - 1";
// Gote's pawn on 1c has just arrived, face to face with Sente's pawn.
constexpr const char* PawnsFaceToFace = "kgsbr/5/4p/4P/1BSGK b R 1";
// Gote's golds on 4a and 2a both reach 3b.
constexpr const char* GoteTwoGolds = "1g1gk/5/5/5/K4 w - 1";
// Sente's golds on 4d and 3e both reach 3d, one sideways and one straight up.
constexpr const char* SidewaysAndStraight = "k4/5/5/1G3/2G1K b - 1";
// A tokin on 3b and a silver on 3c that the tokin may take.
constexpr const char* TokinBesideASilver = "k4/2+P2/2s2/5/4K b - 1";

struct TypedCase {
    const char* name;
    const char* sfen;
    std::string text;
    std::optional<std::pair<int, int>> lastTo;
    const char* move; // the USI move read, or "" when refused
    const char* reason; // a fragment of the reason when refused
    const RuleSet* rules = &VelmoraRules;
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.sfen << " '" << c.text << "'"; }

class TypedMove : public testing::TestWithParam<TypedCase> { };

} // namespace

TEST_P(TypedMove, IsReadAsTheLegalMoveOrRefusedWithItsReason)
{
    const TypedCase& c = GetParam();
    const int side = LoadSfen(c.sfen);
    std::memset(TargetMap[1], 7, sizeof TargetMap[1]);
    const PlySnapshot before(1);
    const TypedMoveResult result = ReadTypedMove(c.text, side, *c.rules, c.lastTo);
    if (*c.move != '\0') {
        ASSERT_TRUE(result.move) << c.sfen << " '" << c.text << "': " << result.reason;
        EXPECT_EQ(WriteUsiMove(*result.move), c.move) << c.sfen << " '" << c.text << "'";
    } else {
        EXPECT_FALSE(result.move) << c.sfen << " '" << c.text << "' read as "
                                  << WriteUsiMove(result.move.value_or(Move {}));
        EXPECT_NE(result.reason.find(c.reason), std::string::npos)
            << c.sfen << " '" << c.text << "': " << result.reason;
    }
    EXPECT_TRUE(PlySnapshot(1) == before) << "ply 1 is the game's";
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            ASSERT_EQ(TargetMap[1][x][y], 7) << "the destinations of ply 1 are the window's";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Notations, TypedMove, testing::Values(
    // USI, through the rules' own reader.
    TypedCase { "UsiBoardMove", StartSfen.data(), "2e3d", {}, "2e3d", "" },
    TypedCase { "UsiDrop", SilverAndSilverInHand, "S*3c", {}, "S*3c", "" },
    TypedCase { "UsiPromotes", SilverAndPawnNearTheFarRow, "3b3a+", {}, "3b3a+", "" },
    TypedCase { "UsiWithoutPlusDoesNotPromote", SilverAndPawnNearTheFarRow, "3b3a", {}, "3b3a", "" },
    TypedCase { "UsiPawnWithoutPlusMustPromote", SilverAndPawnNearTheFarRow, "1b1a", {}, "", "must promote" },
    TypedCase { "UsiFromAnEmptySquare", StartSfen.data(), "3c3b", {}, "", "no Sente piece on 3c" },
    TypedCase { "UsiUnreachable", StartSfen.data(), "4e3c", {}, "", "cannot go to 3c" },
    // Western letters, either case.
    TypedCase { "WesternMove", StartSfen.data(), "B-3d", {}, "4e3d", "" },
    TypedCase { "WesternLowerCase", StartSfen.data(), "p-1c", {}, "1d1c", "" },
    TypedCase { "WesternCapture", StartSfen.data(), "Rx5b", {}, "5e5b", "" },
    TypedCase { "WesternDashOntoAPieceCaptures", StartSfen.data(), "R-5b", {}, "5e5b", "" },
    TypedCase { "WesternCaptureOfNothing", TwoGolds, "G4ex3d", {}, "", "3d is empty" },
    TypedCase { "WesternDrop", SilverAndSilverInHand, "S*3c", {}, "S*3c", "" },
    TypedCase { "WesternBoardMoveBesideADrop", SilverAndSilverInHand, "S-3c", {}, "3d3c", "" },
    TypedCase { "WesternDropOfAPieceNotInHand", StartSfen.data(), "G*3c", {}, "",
        "Sente has no gold in hand" },
    TypedCase { "WesternAmbiguous", TwoGolds, "G-3d", {}, "", "ambiguous: the gold on 4e or on 2e" },
    TypedCase { "WesternOrigin", TwoGolds, "G4e-3d", {}, "4e3d", "" },
    TypedCase { "WesternWithSpaces", TwoGolds, "G 4e - 3d", {}, "4e3d", "" },
    TypedCase { "WesternOriginWithoutDash", TwoGolds, "g2e3d", {}, "2e3d", "" },
    TypedCase { "WesternOriginOfAnotherPiece", StartSfen.data(), "G3e-3d", {}, "",
        "no Sente gold on 3e" },
    TypedCase { "WesternPromotes", SilverAndPawnNearTheFarRow, "S-3a+", {}, "3b3a+", "" },
    TypedCase { "WesternDeclines", SilverAndPawnNearTheFarRow, "S-3a=", {}, "3b3a", "" },
    TypedCase { "WesternAsksWhenPromotionIsOptional", SilverAndPawnNearTheFarRow, "S-3a", {}, "",
        "say + to promote or = not to" },
    TypedCase { "WesternForcedPromotionNeedsNoPlus", SilverAndPawnNearTheFarRow, "P-1a", {}, "1b1a+", "" },
    TypedCase { "WesternDeclinedForcedPromotion", SilverAndPawnNearTheFarRow, "P-1a=", {}, "", "must promote" },
    TypedCase { "WesternPromotionWhereNoneIsPossible", SilverAndPawnNearTheFarRow, "S-2c+", {}, "", "cannot promote" },
    TypedCase { "WesternPromotedPawn", TokinBesideASilver, "+Px3c", {}, "3b3c", "" },
    TypedCase { "WesternTokinLetter", TokinBesideASilver, "T-3c", {}, "3b3c", "" },
    // Japanese, as KIF writes a move and as people type it.
    TypedCase { "JapaneseWideDigitAndKanji", StartSfen.data(), "１三歩", {}, "1d1c", "" },
    TypedCase { "JapaneseAsciiDigits", StartSfen.data(), "34角", {}, "4e3d", "" },
    TypedCase { "JapaneseWideDigits", StartSfen.data(), "３４角", {}, "4e3d", "" },
    TypedCase { "JapaneseSenteMark", StartSfen.data(), "▲１三歩", {}, "1d1c", "" },
    TypedCase { "JapaneseMarkOfTheSideNotToMove", StartSfen.data(), "△１三歩", {}, "",
        "it is Sente's turn" },
    TypedCase { "JapaneseSameSquare", PawnsFaceToFace, "同歩", std::pair(5, 3), "1d1c", "" },
    TypedCase { "JapaneseSameSquareWithWideSpace", PawnsFaceToFace, "同　歩", std::pair(5, 3),
        "1d1c", "" },
    TypedCase { "JapaneseSameSquareWithoutAMoveBefore", PawnsFaceToFace, "同歩", {}, "",
        "there is none" },
    TypedCase { "JapaneseWithoutDropMarkMovesTheBoardPiece", SilverAndSilverInHand, "３三銀", {},
        "3d3c", "" },
    TypedCase { "JapaneseDropMark", SilverAndSilverInHand, "３三銀打", {}, "S*3c", "" },
    TypedCase { "JapaneseDropWhereOnlyTheHandReaches", SilverAndSilverInHand, "５三銀", {},
        "S*5c", "" },
    TypedCase { "JapanesePromotes", SilverAndPawnNearTheFarRow, "３一銀成", {}, "3b3a+", "" },
    TypedCase { "JapaneseDeclines", SilverAndPawnNearTheFarRow, "３一銀不成", {}, "3b3a", "" },
    TypedCase { "JapaneseAsksWhenPromotionIsOptional", SilverAndPawnNearTheFarRow, "３一銀", {}, "",
        "say 成 to promote or 不成 not to" },
    TypedCase { "JapanesePromotedSilverIsNotAPromotion", "k4/2+S2/5/5/4K b - 1", "３一成銀", {},
        "3b3a", "" },
    TypedCase { "JapaneseAmbiguous", TwoGolds, "３四金", {}, "", "ambiguous" },
    TypedCase { "JapaneseOrigin", TwoGolds, "３四金(45)", {}, "4e3d", "" },
    TypedCase { "JapaneseWideOrigin", TwoGolds, "３四金（２５）", {}, "2e3d", "" },
    TypedCase { "JapaneseRightForSente", TwoGolds, "３四金右", {}, "2e3d", "" },
    TypedCase { "JapaneseLeftForSente", TwoGolds, "３四金左", {}, "4e3d", "" },
    TypedCase { "JapaneseRightForGote", GoteTwoGolds, "３二金右", {}, "4a3b", "" },
    TypedCase { "JapaneseLeftForGote", GoteTwoGolds, "△３二金左", {}, "2a3b", "" },
    TypedCase { "JapaneseSideways", SidewaysAndStraight, "３四金寄", {}, "4d3d", "" },
    TypedCase { "JapaneseUp", SidewaysAndStraight, "３四金上", {}, "3e3d", "" },
    TypedCase { "JapaneseStraight", SidewaysAndStraight, "３四金直", {}, "3e3d", "" },
    TypedCase { "JapaneseBackFitsNoGold", SidewaysAndStraight, "３四金引", {}, "", "fits no" },
    TypedCase { "JapaneseOffTheBoard", StartSfen.data(), "６三歩", {}, "", "off the 5 x 5 board" },
    // Refused by the rules' judge, with its reason.
    TypedCase { "PinnedPiece", PinnedGold, "G-2c", {}, "", "leaves the mover's own king attacked" },
    TypedCase { "PawnDropMateUnderStandardRules", PawnDropMates, "P*5b", {}, "",
        "a pawn drop may not give mate", &StandardRules },
    TypedCase { "PawnDropMateUnderVelmorasRules", PawnDropMates, "５二歩", {}, "P*5b", "" },
    TypedCase { "NoPieceReaches", StartSfen.data(), "B-3c", {}, "", "no Sente bishop can go to 3c" },
    TypedCase { "PawnDropOnAFileWithAPawn", "k4/5/5/4P/4K b P 1", "P*1c", {}, "",
        "cannot be dropped on 1c" },
    // Nothing a move can be read from.
    TypedCase { "Junk", StartSfen.data(), "hello", {}, "", "cannot read 'hello'" },
    TypedCase { "LongJunkIsQuotedInWholeCharacters", StartSfen.data(), "3三歩歩歩歩歩歩歩歩", {}, "",
        "cannot read '3三歩歩歩歩歩歩' as a move" },
    TypedCase { "JapaneseJunk", StartSfen.data(), "将棋", {}, "", "cannot read" },
    TypedCase { "Empty", StartSfen.data(), " \u3000 ", {}, "", "nothing was typed" }),
    CaseName);
// clang-format on

namespace {

// The move as Western notation writes it in full: origin, '-' or 'x', and '+' or '=' wherever
// the mover chooses.
std::string WesternMove(const Move& m)
{
    const auto letter = [](int type) { return std::string(1, PieceLetters[type]); };
    if (m.fromY > BoardSize)
        return letter(m.fromX) + "*" + SquareName(m.toX, m.toY);
    const int type = std::abs(Position[1][m.fromX][m.fromY]);
    std::string text = type > PromotionOffset ? "+" + letter(type - PromotionOffset) : letter(type);
    text += SquareName(m.fromX, m.fromY) + (Position[1][m.toX][m.toY] != 0 ? "x" : "-")
        + SquareName(m.toX, m.toY);
    GenerateTargets(1, m.fromX, m.fromY);
    if (m.promote)
        return text + "+";
    return TargetMap[1][m.toX][m.toY] == TargetPromoteOptional ? text + "=" : text;
}

} // namespace

// Over positions of random games: every legal move, in USI, in full Western notation and as
// KIF writes it (with 同 for every other move), reads back as itself; every move the rules
// refuse is refused when typed.
TEST(TypedMoveRoundTrip, EveryMoveIsReadExactlyWhenTheRulesAllowIt)
{
    int refusedMoves = 0;
    for (const std::string& sfen : RandomPlayPositions(7, 300, 60)) {
        const int side = LoadSfen(sfen);
        std::vector<Move> moves;
        ForEachMove(1, side, [&](const Move& m) { moves.push_back(m); });
        for (size_t i = 0; i < moves.size(); ++i) {
            const Move& m = moves[i];
            const bool legal = JudgeMove(1, side, m, StandardRules) == MoveVerdict::Legal;
            if (!legal) {
                ++refusedMoves;
                EXPECT_FALSE(ReadTypedMove(WriteUsiMove(m), side, StandardRules, {}).move)
                    << sfen << " " << WriteUsiMove(m);
                continue;
            }
            const bool same = i % 2 == 1;
            const auto lastTo
                = same ? std::optional(std::pair(int(m.toX), int(m.toY))) : std::nullopt;
            const std::string kif = std::string(SideMark(side))
                + KifMove(DescribeMove(m), same ? m.toX : 0, same ? m.toY : 0);
            for (const std::string& text : { WriteUsiMove(m), WesternMove(m), kif }) {
                const TypedMoveResult read = ReadTypedMove(text, side, StandardRules, lastTo);
                ASSERT_TRUE(read.move) << sfen << " '" << text << "': " << read.reason;
                EXPECT_EQ(WriteUsiMove(*read.move), WriteUsiMove(m)) << sfen << " '" << text << "'";
            }
        }
    }
    EXPECT_GT(refusedMoves, 0) << "the positions test no refusal";
}
