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

// Directions:   1 = forward-left, 2 = forward, 3 = forward-right, 4 = left,
//               5 = right, 6 = back-left, 7 = back, 8 = back-right (as Sente sees them).
inline constexpr int8_t DirectionSteps[2][DirectionCount] = {
    //  1   2   3   4   5   6   7   8
    { -1, 0, +1, -1, +1, -1, 0, +1 }, // dx
    { -1, -1, -1, 0, 0, +1, +1, +1 }, // dy
};

// The rows written entry by entry (0 none, 1 step, 2 slide); the promoted pieces are derived
// from them.
inline constexpr uint8_t BaseMoves[King + 1][DirectionCount] = {
    //          1  2  3  4  5  6  7  8
    {},
    /* Pawn   */ { 0, 1, 0, 0, 0, 0, 0, 0 },
    /* Silver */ { 1, 1, 1, 0, 0, 1, 0, 1 },
    /* Bishop */ { 2, 0, 2, 0, 0, 2, 0, 2 },
    /* Rook   */ { 0, 2, 0, 2, 2, 0, 2, 0 },
    /* Gold   */ { 1, 1, 1, 1, 1, 0, 1, 0 },
    /* King   */ { 1, 1, 1, 1, 1, 1, 1, 1 },
};

// Indexed by type 1..10 and direction 1..8; index 0 is unused so the tables read like the rules.
extern uint8_t MoveTable[PieceTypeCount + 1][DirectionCount + 1];
// Direction steps from Sente's point of view: dy < 0 is forward for Sente.
extern int8_t DirectionX[DirectionCount + 1];
extern int8_t DirectionY[DirectionCount + 1];
extern int32_t PieceValueTable[PieceTypeCount + 1];

// Fills the rule tables and clears the control-map template. Called once before anything else.
void BuildRuleTables();
