#include "ui/assets.h"
#include "ui/board_picture.h"
#include "ui/cell_pixels.h"

#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

namespace {

const QRgb DarkGreen = qRgb(0, 102, 0);
const QRgb Green = qRgb(0, 187, 0);
const QRgb LightGreen = qRgb(0, 221, 0);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);

std::string Name(QRgb c) { return QColor(c).name().toStdString(); }

class BoardPicture : public testing::Test {
protected:
    QImage sheet = LoadGlyphSheet();
    QImage picture = NewPicture();

    void Draw(const std::string& sfen)
    {
        LoadSfen(sfen);
        BuildCellPixelTable();
        DrawPosition(picture, sheet, 1);
    }

    QRgb At(int x, int y) const { return picture.pixel(x, y) & 0xffffff; }

    // The sheet rectangle `from` must appear at `to` with its white turned light green.
    void ExpectCopy(QRect from, QPoint to, const std::string& what) const
    {
        for (int v = 0; v < from.height(); ++v)
            for (int u = 0; u < from.width(); ++u) {
                const bool ink = (sheet.pixel(from.left() + u, from.top() + v) & 0xffffff) == 0;
                ASSERT_EQ(Name(At(to.x() + u, to.y() + v)), Name(ink ? Black : LightGreen))
                    << what << " at sheet pixel " << u << "," << v;
            }
    }
};

struct Pixel {
    int x, y;
    QRgb colour;
};

} // namespace

TEST_F(BoardPicture, TheGlyphSheetIsBlackOnWhite)
{
    ASSERT_EQ(sheet.size(), QSize(176, 32));
    int ink = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb c = sheet.pixel(x, y) & 0xffffff;
            ASSERT_TRUE(c == 0 || c == 0xffffff) << x << "," << y;
            ink += c == 0;
        }
    EXPECT_GT(ink, 0);
}

TEST_F(BoardPicture, FillsTheAreasAndDrawsTheGridWithoutItsFarCorner)
{
    Draw("k4/5/5/5/4K b - 1");
    const Pixel pixels[] = {
        { 0, 0, DarkGreen },
        { 175, 95, DarkGreen },
        { 7, 8, DarkGreen },
        { 8, 8, Green },
        { 39, 55, Green },
        { 40, 55, DarkGreen },
        { 39, 56, DarkGreen },
        { 136, 40, Green },
        { 167, 87, Green },
        { 168, 87, DarkGreen },
        { 65, 41, LightGreen },
        { 96, 72, Black },
        { 100, 40, Black },
        { 48, 8, Black },
        { 48, 87, Black },
        { 127, 88, Black },
        { 128, 8, Black },
        { 128, 87, Black },
        { 128, 88, DarkGreen }, // a line leaves its end point
        { 47, 50, DarkGreen },
        { 129, 50, DarkGreen },
        { 60, 89, DarkGreen },
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(Name(At(p.x, p.y)), Name(p.colour)) << p.x << "," << p.y;
}

TEST_F(BoardPicture, DrawsOwnPiecesUprightAndTheOpponentsTurnedOneBeyondTheCell)
{
    Draw("kgsbr/p4/5/4P/RBSGK b - 1");
    // Each tile starts one pixel right of its cell; its first row and last column lie under the
    // grid, so the glyph shows from its second row and up to its second last column.
    auto expectPiece = [&](int type, bool turned, int x, int y, const char* what) {
        const QRect inside(16 * (type - 1), (turned ? 16 : 0) + 1, 15, 15);
        ExpectCopy(inside, QPoint(48 + 16 * (x - 1) + 1, 8 + 16 * (y - 1) + 1), what);
    };
    expectPiece(King, true, 1, 1, "Gote's king");
    expectPiece(Rook, true, 5, 1, "Gote's rook");
    expectPiece(Pawn, true, 1, 2, "Gote's pawn");
    expectPiece(Pawn, false, 5, 4, "Sente's pawn");
    expectPiece(Rook, false, 1, 5, "Sente's rook");
    expectPiece(King, false, 5, 5, "Sente's king");
    for (int y = 8; y < 88; ++y)
        ASSERT_EQ(Name(At(64, y)), Name(Black)) << "the grid is drawn over the glyphs, row " << y;
}

TEST_F(BoardPicture, DrawsBothHandsWithTheSmallTwo)
{
    Draw("k4/5/5/5/4K b 2PS2gb 1");
    // Sente's hand: two pawns at (136,72), one silver at (152,56).
    ExpectCopy(QRect(16 * (Pawn - 1), 0, 9, 16), QPoint(137, 72), "Sente's pawns");
    ExpectCopy(QRect(170, 26, 6, 6), QPoint(146, 82), "the upright 2");
    ExpectCopy(QRect(16 * (Silver - 1), 0, 16, 16), QPoint(153, 56), "Sente's silver");
    EXPECT_EQ(Name(At(168, 60)), Name(LightGreen)) << "the right column's tile passes the hand";
    // Gote's hand: two golds at (24,24), one bishop at (8,40); the turned 2 starts on column X.
    ExpectCopy(QRect(160, 16, 6, 6), QPoint(24, 24), "the turned 2");
    ExpectCopy(QRect(16 * (Gold - 1), 16 + 6, 16, 10), QPoint(25, 24 + 6), "Gote's golds");
    ExpectCopy(QRect(16 * (Bishop - 1), 16, 16, 16), QPoint(9, 40), "Gote's bishop");
    // Empty slots show only the hand's green.
    for (const QPoint slot : { QPoint(136, 40), QPoint(8, 8), QPoint(24, 8) })
        for (int v = 0; v < 16; ++v)
            for (int u = 0; u < 16; ++u)
                ASSERT_EQ(Name(At(slot.x() + u, slot.y() + v)), Name(Green))
                    << slot.x() << "," << slot.y();
}

TEST_F(BoardPicture, FramesACellOnItsGridLines)
{
    Draw("k4/5/5/5/4K b P 1");
    MarkCell(picture, Pawn, 6); // Sente's pawn slot at (136,72)
    for (int i = 0; i <= 16; ++i) {
        EXPECT_EQ(Name(At(136 + i, 72)), Name(Red)) << "top " << i;
        EXPECT_EQ(Name(At(136 + i, 88)), Name(Red)) << "bottom " << i;
        EXPECT_EQ(Name(At(136, 72 + i)), Name(Red)) << "left " << i;
        EXPECT_EQ(Name(At(152, 72 + i)), Name(Red)) << "right " << i;
    }
    EXPECT_NE(Name(At(137, 73)), Name(Red));
    EXPECT_NE(Name(At(153, 72)), Name(Red));
    EXPECT_NE(Name(At(136, 89)), Name(Red));

    MarkCell(picture, 5, 5);
    EXPECT_EQ(Name(At(128, 88)), Name(Red)) << "a closed frame paints every corner";
    DrawPosition(picture, sheet, 1);
    EXPECT_EQ(Name(At(136, 72)), Name(Green)) << "a redraw wipes the frames";
    EXPECT_EQ(Name(At(128, 88)), Name(DarkGreen));
}
