#include "setup.h"

#include "ply_stack.h"

#include <cstring>

namespace {

// The back rows from x = 1 to 5; Sente's army is Gote's turned by 180 degrees.
constexpr int8_t GoteBackRow[BoardSize] = { -King, -Gold, -Silver, -Bishop, -Rook };
constexpr int8_t SenteBackRow[BoardSize] = { Rook, Bishop, Silver, Gold, King };

} // namespace

void SetUpPosition(int level)
{
    std::memset(Position[1], 0, sizeof Position[1]);
    for (int x = 1; x <= BoardSize; ++x) {
        Position[1][x][1] = GoteBackRow[x - 1];
        Position[1][x][5] = SenteBackRow[x - 1];
    }
    Position[1][1][2] = -Pawn;
    Position[1][5][4] = Pawn;
    if (level > 1)
        Position[1][2][5] = 0; // Sente plays without its bishop
    if (level == 3)
        Position[1][1][5] = 0; // ... and without its rook
    KingX[1][Gote + 1] = 1;
    KingY[1][Gote + 1] = 1;
    KingX[1][Sente + 1] = 5;
    KingY[1][Sente + 1] = 5;
}
