#pragma once

#include <QImage>

// The picture of the game: board, both hands and grid, 176 x 96 pixels, drawn from the glyph
// sheet (11 x 2 cells of 16 x 16: the piece types upright in row 0, turned in row 1, and the
// two small digits 2 in the last cell of row 1).
inline constexpr int PictureWidth = 176;
inline constexpr int PictureHeight = 96;

// A blank picture canvas in the format the glyph copies need.
QImage NewPicture();

// Redraws the whole picture from the position of ply p. Needs the CellPixelTable.
void DrawPosition(QImage& picture, const QImage& glyphs, int p);
// Frames cell (x, y), a board square or a hand slot, in red along its grid lines.
void MarkCell(QImage& picture, int x, int y);
