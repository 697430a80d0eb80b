#pragma once

#include "rules/ply_stack.h"

#include <cstdint>

// The per-ply scratch maps that only the plain engine keeps; the computer's searches answer the
// same questions with square sets on their search boards. Outside the namespace plain, as the
// rules' ply arrays are, and like them with an all-zero template in ply 0.

// [ply][x][y]: squares where a move of a piece other than the king gives check.
extern bool CheckLineMap[PlyCount][BoardSize + 1][BoardSize + 1];
// [ply][x][y 1..7]: the pieces (and hand slots) that may give check, as plain::CandidateKind.
extern uint8_t CheckCandidateMap[PlyCount][BoardSize + 1][GridRows + 1];
// [ply][SideIndex(side)][x][y]: how many of that side's board pieces reach the square.
extern uint8_t ControlMap[PlyCount][SideSlots][BoardSize + 1][BoardSize + 1];
