#pragma once

#include "pieces.h"

#include <cstdint>

// How a piece moves in one direction.
enum MoveKind : uint8_t {
    MoveNone = 0,
    MoveStep = 1, // exactly one square
    MoveSlide = 2, // any number of squares along the line
};

inline constexpr int DirectionCount = 8;

// The rows the MoveTable is built from, kept where both the rules and the engine's square-set
// tables can read them at compile time.
namespace MoveRows {

// clang-format off
inline constexpr uint8_t N = MoveNone, S = MoveStep, L = MoveSlide;

// Directions:   1 = forward-left, 2 = forward, 3 = forward-right, 4 = left,
//               5 = right, 6 = back-left, 7 = back, 8 = back-right (as Sente sees them).
inline constexpr int8_t DirectionSteps[2][DirectionCount] = {
    //   1   2   3   4   5   6   7   8
    {   -1,  0, +1, -1, +1, -1,  0, +1 }, // dx
    {   -1, -1, -1,  0,  0, +1, +1, +1 }, // dy
};

// The rows written entry by entry; the promoted pieces are derived from them.
inline constexpr uint8_t BaseMoves[King + 1][DirectionCount] = {
    //             1  2  3  4  5  6  7  8
    {},
    /* Pawn   */ { N, S, N, N, N, N, N, N },
    /* Silver */ { S, S, S, N, N, S, N, S },
    /* Bishop */ { L, N, L, N, N, L, N, L },
    /* Rook   */ { N, L, N, L, L, N, L, N },
    /* Gold   */ { S, S, S, S, S, N, S, N },
    /* King   */ { S, S, S, S, S, S, S, S },
};
// clang-format on

} // namespace MoveRows

// Indexed by type 1..10 and direction 1..8; index 0 is unused so the tables read like the rules.
extern uint8_t MoveTable[PieceTypeCount + 1][DirectionCount + 1];
// Direction steps from Sente's point of view: dy < 0 is forward for Sente.
extern int8_t DirectionX[DirectionCount + 1];
extern int8_t DirectionY[DirectionCount + 1];
extern int32_t PieceValueTable[PieceTypeCount + 1];

// What taking a piece of the type adds to the captor's material: the piece leaves the board and
// enters the captor's hand demoted. A king has no hand slot; taking it swings the balance by 2000.
inline int32_t CaptureGain(int type)
{
    if (type > PromotionOffset)
        return PieceValueTable[type] + PieceValueTable[type - PromotionOffset];
    return 2 * PieceValueTable[type];
}

// What promoting a piece of the type adds to its side's material.
inline int32_t PromotionGain(int type)
{
    return PieceValueTable[type + PromotionOffset] - PieceValueTable[type];
}

// Fills the rule tables. Each program and test calls it before the tables are read; filling them
// again writes the same values.
void BuildRuleTables();
