#include "record/record_reader.h"
#include "review/game_review.h"
#include "review/review_texts.h"

#include "rules/ply_snapshot.h"
#include "rules/sfen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Deep enough to see each planted fault, quick enough for a test.
constexpr SearchLimits TestLimits { 10, 0, false, {}, false };

constexpr int SenteMatesIn3 = MateValue - 3;
constexpr Judgement Good = Judgement::Good, Inaccuracy = Judgement::Inaccuracy,
                    Mistake = Judgement::Mistake, Blunder = Judgement::Blunder;

// Scores of the positions of a game that Sente starts, from Sente's side as the analysis keeps
// them, and the judgement each move earns.
struct EvaluationCase {
    const char* name;
    std::vector<int> scores;
    std::vector<Judgement> judgements;
};

// clang-format off
const EvaluationCase EvaluationCases[] = {
    { "SmallLossIsGood",                 { 0, -30 },                   { Good } },
    { "FortyCentipawnsIsAnInaccuracy",   { 0, -40 },                   { Inaccuracy } },
    { "SeventyFiveIsAMistake",           { 0, -75 },                   { Mistake } },
    { "AHundredAndTenIsABlunder",        { 0, -110 },                  { Blunder } },
    { "GoteIsJudgedFromItsOwnSide",      { 0, 0, 110 },                { Good, Blunder } },
    { "AGainIsGood",                     { -200, 0 },                  { Good } },
    { "ALossWhileFarAheadIsGood",        { 2000, 1500 },               { Good } },
    { "AMateMissedButStillWonIsGood",    { SenteMatesIn3, 3000 },      { Good } },
    { "AMateMissedForEqualityIsABlunder",{ SenteMatesIn3, 0 },         { Blunder } },
    { "AMateAllowedIsABlunder",          { 0, -SenteMatesIn3 },        { Blunder } },
    { "ThreeMovesThreeJudgements",       { 50, 10, 30, -60 },          { Inaccuracy, Good, Mistake } },
};
// clang-format on

class JudgedBy : public testing::TestWithParam<EvaluationCase> { };

// A game whose record is planted with one bad move, and how the review must explain it.
struct PlantedCase {
    const char* name;
    const char* game; // a USI position line, read under Velmora's rules
    size_t move; // the planted move's number
    Judgement judgement;
    Reason reason;
    const char* explanation;
};

// clang-format off
const PlantedCase PlantedCases[] = {
    { "HangingRook", "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 3e2d 3a4b 5e5c 5b5c 4e2c",
        3, Blunder, Reason::LeftHanging, "5e5c left the rook on 5c to be taken: 5b5c wins it" },
    { "MissedMateIn3", "position sfen 4k/2B2/5/5/K4 b RGrbg2s2p 1 moves 5e4e",
        1, Blunder, Reason::MissedMate, "5e4e missed a mate in 3: R*2a 1a1b G*2c" },
    { "AllowedMateIn3", "position sfen 4k/4p/5/K1b2/4G b RSrg 1 moves 5d5e",
        1, Blunder, Reason::AllowedMate, "5d5e allowed a mate in 3: R*4e 5e5d G*4c" },
    { "LostExchange", "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 5e5b 4a5b",
        1, Blunder, Reason::LostExchange,
        "5e5b took the pawn on 5b but loses the exchange there: 4a5b takes the rook" },
    { "SilverForksTheRooks", "position sfen kgb2/p4/5/1RKR1/5 b sp 1 moves 3d3e",
        1, Mistake, Reason::LosesPiece, "3d3e loses a rook within three moves: S*3c 4d4c 3c2d" },
    { "RookNotTaken", "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 3e2d 3a4b 5e5c 4a3b",
        4, Blunder, Reason::MissedCapture, "4a3b let the rook on 5c go: 5b5c wins it" },
    // The analysis' own line stops after R*4e; the review carries it on to the mate.
    { "AllowedMateIn5", "position sfen 3gk/5/5/K1b2/4G b RSr 1 moves 5d5e",
        1, Blunder, Reason::AllowedMate, "5d5e allowed a mate in 5: R*4e 5e5d 4e4c+ 5d5e 4c4e" },
};
// clang-format on

class Planted : public testing::TestWithParam<PlantedCase> { };

GameRecord Read(const std::string& text)
{
    GameRecord record;
    std::string error;
    EXPECT_TRUE(ReadGameRecord(text, VelmoraRules, record, error)) << text << ": " << error;
    return record;
}

} // namespace

TEST_P(JudgedBy, WinningChanceLost)
{
    const EvaluationCase& c = GetParam();
    GameAnalysis analysis;
    for (const int score : c.scores)
        analysis.positions.push_back(PositionAnalysis { score, {} });
    for (size_t n = 1; n < c.scores.size(); ++n)
        EXPECT_EQ(Judge(ChanceLost(analysis, n)), c.judgements[n - 1])
            << "move " << n << " from " << c.scores[n - 1] << " to " << c.scores[n] << " lost "
            << ChanceLost(analysis, n);
}

INSTANTIATE_TEST_SUITE_P(Review, JudgedBy, testing::ValuesIn(EvaluationCases),
    [](const auto& info) { return std::string(info.param.name); });

// The winning chance is the fitted logistic's expected score on the -1..+1 scale: 400
// centipawns are odds of ten to one, a chance of 10/11 - 1/11.
TEST(WinningChance, FourHundredCentipawnsAreOddsOfTenToOne)
{
    EXPECT_NEAR(WinningChance(400), 9.0 / 11.0, 1e-9);
    EXPECT_NEAR(WinningChance(-400), -9.0 / 11.0, 1e-9);
    EXPECT_EQ(WinningChance(0), 0.0);
    EXPECT_EQ(WinningChance(SenteMatesIn3), 1.0);
    EXPECT_EQ(WinningChance(-SenteMatesIn3), -1.0);
}

TEST_P(Planted, ReviewNamesThePlantedMoveFirstAndExplainsIt)
{
    const PlantedCase& c = GetParam();
    const GameRecord record = Read(c.game);
    const GameReview review
        = ReviewGame(record, AnalyseRecord(record, VelmoraRules, TestLimits), VelmoraRules);
    const int mover = (c.move % 2 == 1) ? record.startSide : -record.startSide;
    const SideReview& side = review.sides[SideIndex(mover)];
    ASSERT_FALSE(side.worst.empty()) << c.game;
    const ReviewedMove& worst = side.worst.front();
    EXPECT_EQ(worst.number, c.move) << c.game;
    EXPECT_EQ(worst.judgement, c.judgement) << c.game << " lost " << worst.loss;
    EXPECT_EQ(worst.explanation.reason, c.reason) << c.game;
    EXPECT_EQ(ExplanationText(worst.explanation), c.explanation) << c.game;
    EXPECT_FALSE(worst.better.empty());
    EXPECT_NE(worst.better, worst.move);
}

INSTANTIATE_TEST_SUITE_P(Review, Planted, testing::ValuesIn(PlantedCases),
    [](const auto& info) { return std::string(info.param.name); });

// The window keeps its game on ply 1 while a review reads the record's start onto it.
TEST(Review, LeavesPly1AsItWas)
{
    const GameRecord record = Read(PlantedCases[0].game);
    const GameAnalysis analysis = AnalyseRecord(record, VelmoraRules, TestLimits);
    SfenHeader header;
    std::string error;
    ASSERT_TRUE(ReadSfen("4k/5/5/5/K4 w P 3", header, error)) << error;
    const PlySnapshot ply(1);
    ReviewGame(record, analysis, VelmoraRules);
    EXPECT_TRUE(PlySnapshot(1) == ply);
}

// The window translates the review through a hook, each template whole, so that a language may
// put its places in another order; without the hook the texts are English.
TEST(Review, TextsComeThroughTheTranslationWithTheirPlacesFilled)
{
    SetReviewTranslation([](const char* text) -> std::string {
        const std::string english = text;
        if (english == "%1 let the winning chance fall from %2 to %3")
            return "%3 <- %2 (%1)";
        if (english == "Sente")
            return "S";
        return english;
    });
    Explanation fell;
    fell.move = "3e4d";
    fell.chanceBefore = 0.32; // 66%
    fell.chanceAfter = -0.98; // 1%
    EXPECT_EQ(ChanceFellText(fell), "1% <- 66% (3e4d)");
    EXPECT_EQ(WorstMomentsHeading(Sente), "S's worst moments:");
    SetReviewTranslation(nullptr);
    EXPECT_EQ(ChanceFellText(fell), "3e4d let the winning chance fall from 66% to 1%");
}
