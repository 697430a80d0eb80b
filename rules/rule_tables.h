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

// Indexed by type 1..10 and direction 1..8; index 0 is unused so the tables read like the rules.
extern uint8_t MoveTable[PieceTypeCount + 1][DirectionCount + 1];
// Direction steps from Sente's point of view: dy < 0 is forward for Sente.
extern int8_t DirectionX[DirectionCount + 1];
extern int8_t DirectionY[DirectionCount + 1];
extern int32_t PieceValueTable[PieceTypeCount + 1];

// Fills the rule tables and clears the control-map template. Called once before anything else.
void BuildRuleTables();
