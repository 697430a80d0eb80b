#pragma once

#include "rules/pieces.h"

#include <cstdint>

// The top-left pixel, in picture coordinates, of the 16 x 16 cell that shows each cell of a
// position: [x 1..5][y 1..7], rows 6 and 7 being the hand slots by piece type.
inline constexpr int CellSize = 16;
extern int32_t CellPixelX[BoardSize + 1][GridRows + 1];
extern int32_t CellPixelY[BoardSize + 1][GridRows + 1];

// Fills both tables; the window calls it once at start-up.
void BuildCellPixelTable();
