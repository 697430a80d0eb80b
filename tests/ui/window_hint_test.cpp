#include "offscreen_window.h"
#include "record/kif.h"
#include "ui/Unit1.h"
#include "ui/announcer.h"
#include "ui/cell_pixels.h"
#include "ui/hint_frame.h"
#include "ui/record_keeping.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

bool HasPixelOf(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

void ClickCell(QWidget* picture, QPoint cell)
{
    const QPoint middle(CellPixelX[cell.x()][cell.y()] + CellSize / 2,
        CellPixelY[cell.x()][cell.y()] + CellSize / 2);
    QTest::mousePress(picture, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(picture, Qt::LeftButton, {}, middle);
}

} // namespace

// Against the computer from the designed start: Hint tells the threat in a box, then frames the
// piece and its square in magenta over the picture, saying each, while the designed picture
// stays as it was. The frame goes with the move, which the record notes.
TEST_F(OffscreenWindow, HintFramesThePieceAndItsSquareAboveThePictureUntilTheMove)
{
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Play": the person moves first
    const QImage picture = form.Image1->Picture();
    const QRgb magenta = qRgb(255, 0, 255);

    form.HintAction->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.empty(); }, 60000));
    EXPECT_TRUE(messages[0].starts_with("Gote threatens")) << messages[0];
    EXPECT_FALSE(form.HintBox->isVisible());

    form.HintAction->trigger();
    const QPoint piece = form.HintBox->Cell();
    EXPECT_TRUE(form.HintBox->isVisible());
    EXPECT_TRUE(form.Speaker->Last().startsWith("Move your")) << form.Speaker->Last().toStdString();
    form.HintAction->trigger();
    const QPoint square = form.HintBox->Cell();
    EXPECT_TRUE(form.Speaker->Last().startsWith("Play ")) << form.Speaker->Last().toStdString();
    ASSERT_NE(piece, square);
    EXPECT_EQ(form.Image1->Picture(), picture) << "a hint never draws into the picture";
    EXPECT_TRUE(HasPixelOf(form.grab().toImage(), magenta));

    ClickCell(form.Image1, piece);
    ClickCell(form.Image1, square);
    ASSERT_EQ(Record.moves.size(), 1u) << "the hinted move is legal and made";
    EXPECT_FALSE(form.HintBox->isVisible());
    EXPECT_FALSE(HasPixelOf(form.grab().toImage(), magenta));
    EXPECT_NE(form.Session.Kif().find("*hint"), std::string::npos) << form.Session.Kif();
}

// "Stop" ends the game and takes the hint's frame with it.
TEST_F(OffscreenWindow, HintFrameGoesWhenTheGameStops)
{
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Play"
    form.HintAction->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.empty(); }, 60000));
    form.HintAction->trigger();
    ASSERT_TRUE(form.HintBox->isVisible());
    QTest::mousePress(form.Label1, Qt::LeftButton); // "Stop"
    EXPECT_FALSE(form.HintBox->isVisible());
    form.HintAction->trigger();
    EXPECT_FALSE(form.HintBox->isVisible()) << "no hint once the game is over";
    EXPECT_EQ(messages.size(), 1u);
}
