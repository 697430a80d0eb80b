#include "rule_tables.h"

#include <cstring>

uint8_t MoveTable[PieceTypeCount + 1][DirectionCount + 1];
int8_t DirectionX[DirectionCount + 1];
int8_t DirectionY[DirectionCount + 1];
int32_t PieceValueTable[PieceTypeCount + 1];

namespace {

// clang-format off
constexpr int32_t Values[PieceTypeCount + 1] = {
    0,
      10, // Pawn
      45, // Silver
      75, // Bishop
      85, // Rook
      50, // Gold
    1000, // King
      55, // Tokin
      50, // ProSilver
      95, // Horse
     100, // Dragon
};

// clang-format on

void CopyRow(int to, int from)
{
    std::memcpy(MoveTable[to], MoveTable[from], sizeof MoveTable[to]);
}

// A promoted slider keeps the king's steps and gains its unpromoted ranging lines.
void AddSlides(int to, int from)
{
    for (int d = 1; d <= DirectionCount; ++d)
        if (MoveTable[from][d] == MoveSlide)
            MoveTable[to][d] = MoveSlide;
}

} // namespace

void BuildRuleTables()
{
    using MoveRows::BaseMoves, MoveRows::DirectionSteps;
    for (int d = 1; d <= DirectionCount; ++d) {
        DirectionX[d] = DirectionSteps[0][d - 1];
        DirectionY[d] = DirectionSteps[1][d - 1];
    }
    for (int t = Pawn; t <= King; ++t)
        for (int d = 1; d <= DirectionCount; ++d)
            MoveTable[t][d] = BaseMoves[t][d - 1];
    CopyRow(Tokin, Gold);
    CopyRow(ProSilver, Gold);
    CopyRow(Horse, King);
    CopyRow(Dragon, King);
    AddSlides(Horse, Bishop);
    AddSlides(Dragon, Rook);
    std::memcpy(PieceValueTable, Values, sizeof PieceValueTable);
}
