#include "offscreen_window.h"
#include "ui/announcer.h"
#include "ui/cell_pixels.h"
#include "ui/review_window.h"
#include "ui/translation.h"

#include "rules/usi_move.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

// Deep enough to see the hung rook, quick enough for a test.
constexpr SearchLimits TestLimits { 10, 0, false, {}, false };
// Sente's third move leaves its rook to the pawn on 5b.
constexpr const char* HangingRook
    = "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves 3e2d 3a4b 5e5c 5b5c 4e2c";

std::string Utf8(const QString& text) { return text.toStdString(); }

class ReviewOfAGame : public OffscreenWindow {
protected:
    void SetUp() override
    {
        OffscreenWindow::SetUp();
        ASSERT_TRUE(form.Session.Open(HangingRook));
        form.Session.SetAnalysis(AnalyseRecord(form.Session.Record(), VelmoraRules, TestLimits));
    }
    void TearDown() override { InstallTranslation(QLocale::c()); }

    ReviewWindow* OpenReview()
    {
        form.ReviewAction->trigger();
        EXPECT_NE(form.Review(), nullptr);
        return form.Review();
    }

    // The first worst moment of the list, after its side's heading.
    QListWidgetItem* FirstMoment() { return form.Review()->Moments()->item(1); }

    // A person's move on the window's board, pressed and released as the mouse does.
    void PlayOnBoard(const std::string& usi)
    {
        std::string error;
        const auto move = ReadUsiMove(usi, Sente, error);
        ASSERT_TRUE(move) << usi << ": " << error;
        for (const auto& [x, y] :
            { std::pair { move->fromX, move->fromY }, { move->toX, move->toY } }) {
            const QPoint at(CellPixelX[x][y] + CellSize / 2, CellPixelY[x][y] + CellSize / 2);
            QTest::mousePress(form.Image1, Qt::LeftButton, {}, at);
            QTest::mouseRelease(form.Image1, Qt::LeftButton, {}, at);
        }
    }
};

struct LanguageCase {
    const char* name;
    const char* locale;
    const char* blunders; // the counts' last column
    const char* heading; // Sente's worst moments
    const char* moment; // the hung rook explained
    const char* learn; // the button that starts learning from Sente's mistakes
};

// clang-format off
const LanguageCase LanguageCases[] = {
    { "English", "C", "blunders", "Sente's worst moments:",
        "Move 3, blunder: 5e5c left the rook on 5c to be taken: 5b5c wins it.",
        "Learn from &Sente's mistakes" },
    { "Japanese", "ja_JP", "大悪手", "先手の悪かった場面:",
        "3手目、大悪手: 5e5cは5cの飛車を取られるままにした: 5b5cで取られる。",
        "先手の悪手から学ぶ(&S)" },
    // No translation: English.
    { "GermanFallsBackToEnglish", "de_DE", "blunders", "Sente's worst moments:",
        "Move 3, blunder: 5e5c left the rook on 5c to be taken: 5b5c wins it.",
        "Learn from &Sente's mistakes" },
};
// clang-format on

class ReviewLanguage : public ReviewOfAGame, public testing::WithParamInterface<LanguageCase> { };

// The review speaks the system's language where Velmora has a translation, English elsewhere; the
// designed window's own words never change.
TEST_P(ReviewLanguage, ReviewTextsFollowTheLocale)
{
    const LanguageCase& c = GetParam();
    InstallTranslation(QLocale(c.locale));
    const ReviewWindow* review = OpenReview();
    ASSERT_NE(review, nullptr);
    EXPECT_EQ(Utf8(review->Counts()->horizontalHeaderItem(2)->text()), c.blunders);
    EXPECT_EQ(Utf8(review->Counts()->item(0, 2)->text()), "1");
    EXPECT_EQ(Utf8(review->Moments()->item(0)->text()), c.heading);
    EXPECT_EQ(Utf8(FirstMoment()->text()).substr(0, std::string(c.moment).size()), c.moment);
    EXPECT_EQ(Utf8(review->PractiseButton(Sente)->text()), c.learn);
    for (const auto& [label, text] : { std::pair { form.Label1, "Play" }, { form.Label2, "You" },
             { form.Label3, "Com" }, { form.Label4, "Lv1" } })
        EXPECT_EQ(Utf8(label->text()), text);
}

INSTANTIATE_TEST_SUITE_P(Review, ReviewLanguage, testing::ValuesIn(LanguageCases),
    [](const auto& info) { return std::string(info.param.name); });

// A worst moment shows the position before it; learning starts there, borrows the board, judges a
// move made on it, and gives the board back as it was, the record untouched.
TEST_F(ReviewOfAGame, AMomentShowsItsPositionAndLearningGivesTheBoardBack)
{
    ReviewWindow* review = OpenReview();
    ASSERT_NE(review, nullptr);
    review->Moments()->setCurrentItem(FirstMoment());
    emit review->Moments()->itemActivated(FirstMoment());
    EXPECT_EQ(form.Session.ShownMove(), 2u) << "the position before move 3";
    const QImage before = form.Image1->Picture().copy();
    const QString title = form.windowTitle();
    const GameRecord record = form.Session.Record();

    review->PractiseButton(Sente)->click();
    EXPECT_EQ(Utf8(form.windowTitle()), "Velmora - learning, move 3");
    PlayOnBoard("5e5c");
    EXPECT_EQ(Utf8(form.windowTitle()), "Velmora - learning, move 3: 5e5c refuted by 5b5c");
    EXPECT_TRUE(Utf8(review->PracticeStatus()->text()).starts_with("5e5c is refuted by 5b5c"))
        << Utf8(review->PracticeStatus()->text());
    EXPECT_EQ(form.Session.Record(), record) << "a move tried is never recorded";

    review->close();
    EXPECT_FALSE(review->Practising());
    EXPECT_EQ(form.windowTitle(), title);
    EXPECT_EQ(form.Image1->Picture(), before);
    EXPECT_EQ(form.Session.ShownMove(), 2u);
    EXPECT_EQ(form.Session.Record(), record);
}

// The end of a game lost to the computer keeps its two designed boxes and nothing more: the review
// is offered to screen readers and in the menu, and Ctrl+R opens it.
TEST_F(OffscreenWindow, AGameLostToTheComputerOffersItsReviewWithoutABox)
{
    // Played on from a position Sente wins, until its king steps into the rook's rank and loses.
    ASSERT_TRUE(form.Session.Open("4k/5/5/r4/4K b RG 1"));
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Play": the person has Sente
    for (const auto& [x, y] : { std::pair { 5, 5 }, { 5, 4 } }) // 1e1d
        QTest::mouseClick(form.Image1, Qt::LeftButton, {},
            QPoint(CellPixelX[x][y] + CellSize / 2, CellPixelY[x][y] + CellSize / 2));
    ASSERT_EQ(Record.end, GameEnd::OwnKingLeftAttacked);
    EXPECT_EQ(messages, (std::vector<std::string> { "まで", "後手の勝ち" }));
    EXPECT_TRUE(QTest::qWaitFor([this] {
        return Utf8(form.Speaker->Last()) == "The game can be reviewed: Ctrl+R";
    })) << "said last: "
        << Utf8(form.Speaker->Last());
    EXPECT_EQ(form.Review(), nullptr) << "nothing opens by itself";
    QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return form.Review() && form.Review()->isVisible(); }, 120'000))
        << "Ctrl+R opened no review";
    EXPECT_EQ(Utf8(form.Review()->Counts()->item(0, 2)->text()), "1") << "Sente's king walked in";
}

} // namespace
