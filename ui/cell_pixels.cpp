#include "cell_pixels.h"

int32_t CellPixelX[BoardSize + 1][GridRows + 1];
int32_t CellPixelY[BoardSize + 1][GridRows + 1];

namespace {

inline constexpr int BoardLeft = 48;
inline constexpr int BoardTop = 8;

// The hand slots by piece type 1..5: Sente's hand (row 6) at the bottom right, Gote's (row 7)
// the same grid turned by 180 degrees at the top left.
struct Slot {
    int32_t x, y;
};
constexpr Slot SenteHandSlots[HandTypeCount + 1] = {
    {},
    /* Pawn   */ { 136, 72 },
    /* Silver */ { 152, 56 },
    /* Bishop */ { 152, 40 },
    /* Rook   */ { 136, 40 },
    /* Gold   */ { 136, 56 },
};
constexpr Slot GoteHandSlots[HandTypeCount + 1] = {
    {},
    /* Pawn   */ { 24, 8 },
    /* Silver */ { 8, 24 },
    /* Bishop */ { 8, 40 },
    /* Rook   */ { 24, 40 },
    /* Gold   */ { 24, 24 },
};

} // namespace

void BuildCellPixelTable()
{
    for (int x = 1; x <= BoardSize; ++x) {
        for (int y = 1; y <= BoardSize; ++y) {
            CellPixelX[x][y] = BoardLeft + CellSize * (x - 1);
            CellPixelY[x][y] = BoardTop + CellSize * (y - 1);
        }
        CellPixelX[x][HandRow(Sente)] = SenteHandSlots[x].x;
        CellPixelY[x][HandRow(Sente)] = SenteHandSlots[x].y;
        CellPixelX[x][HandRow(Gote)] = GoteHandSlots[x].x;
        CellPixelY[x][HandRow(Gote)] = GoteHandSlots[x].y;
    }
}
