#include "board_picture.h"

#include "cell_pixels.h"

#include "rules/ply_stack.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor DarkGreen(0, 102, 0);
const QColor Green(0, 187, 0);
const QColor LightGreen(0, 221, 0);
const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

const QRect WholePicture(0, 0, PictureWidth, PictureHeight);
const QRect GoteHand(8, 8, 32, 48);
const QRect SenteHand(136, 40, 32, 48);
const QRect Board(48, 8, 80, 80);

// In the glyph sheet: the cell of piece type t, and the small digits 2 for two pieces in hand.
QRect UprightGlyph(int t) { return QRect(CellSize * (t - 1), 0, CellSize, CellSize); }
QRect TurnedGlyph(int t) { return QRect(CellSize * (t - 1), CellSize, CellSize, CellSize); }
const QRect UprightTwo(170, 26, 6, 6);
const QRect TurnedTwo(160, 16, 6, 6);

// A pen that draws axis-parallel lines without their end point, so that a frame drawn as a
// closed path paints each corner once and the grid leaves its far corner open.
class Pen {
public:
    Pen(QPainter& painter, const QColor& color)
        : painter_(painter)
        , color_(color)
    {
    }
    void MoveTo(int x, int y) { at_ = QPoint(x, y); }
    void LineTo(int x, int y)
    {
        const int stepX = (x > at_.x()) - (x < at_.x()), stepY = (y > at_.y()) - (y < at_.y());
        const int lastX = x - stepX, lastY = y - stepY;
        painter_.fillRect(QRect(QPoint(std::min(at_.x(), lastX), std::min(at_.y(), lastY)),
                              QPoint(std::max(at_.x(), lastX), std::max(at_.y(), lastY))),
            color_);
        at_ = QPoint(x, y);
    }

private:
    QPainter& painter_;
    QColor color_;
    QPoint at_;
};

// Copies a glyph sheet rectangle so that black ink stays black and white paper takes the
// board's light green: the copy ANDs the sheet with a light-green fill.
void CopyGlyph(QPainter& painter, const QImage& glyphs, const QRect& source, QPoint to)
{
    painter.fillRect(QRect(to, source.size()), LightGreen);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(to, glyphs, source);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Draws cell (x, y) holding v: a piece code on the board, a count in a hand. The tile starts
// one pixel right of the cell, so its last column lies on the next grid line.
void DrawCell(QPainter& painter, const QImage& glyphs, int x, int y, int v)
{
    const int left = CellPixelX[x][y], top = CellPixelY[x][y];
    const QPoint tile(left + 1, top);
    if (y == HandRow(Sente)) {
        CopyGlyph(painter, glyphs, UprightGlyph(x), tile);
        if (v == 2)
            CopyGlyph(painter, glyphs, UprightTwo, QPoint(left + 10, top + 10));
    } else if (y == HandRow(Gote)) {
        CopyGlyph(painter, glyphs, TurnedGlyph(x), tile);
        if (v == 2)
            CopyGlyph(painter, glyphs, TurnedTwo, QPoint(left, top));
    } else {
        CopyGlyph(painter, glyphs, v > 0 ? UprightGlyph(v) : TurnedGlyph(-v), tile);
    }
}

void DrawGrid(QPainter& painter)
{
    Pen pen(painter, Black);
    for (int i = 0; i <= BoardSize; ++i) {
        const int at = CellSize * i;
        pen.MoveTo(Board.left() + at, Board.top());
        pen.LineTo(Board.left() + at, Board.top() + Board.height());
        pen.MoveTo(Board.left(), Board.top() + at);
        pen.LineTo(Board.left() + Board.width(), Board.top() + at);
    }
}

} // namespace

QImage NewPicture()
{
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

void DrawPosition(QImage& picture, const QImage& glyphs, int p)
{
    QPainter painter(&picture);
    painter.fillRect(WholePicture, DarkGreen);
    painter.fillRect(GoteHand, Green);
    painter.fillRect(SenteHand, Green);
    painter.fillRect(Board, LightGreen);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= GridRows; ++y)
            if (Position[p][x][y] != 0)
                DrawCell(painter, glyphs, x, y, Position[p][x][y]);
    // The grid comes last so that no glyph hides it.
    DrawGrid(painter);
}

void MarkCell(QImage& picture, int x, int y)
{
    QPainter painter(&picture);
    Pen pen(painter, Red);
    const int left = CellPixelX[x][y], top = CellPixelY[x][y];
    pen.MoveTo(left, top);
    pen.LineTo(left + CellSize, top);
    pen.LineTo(left + CellSize, top + CellSize);
    pen.LineTo(left, top + CellSize);
    pen.LineTo(left, top);
}
