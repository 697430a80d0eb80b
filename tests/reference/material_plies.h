#pragma once

#include "rules/ply_stack.h"

#include <cstdint>

// The plain engine's material per ply and the move maker that keeps it, which its tree search
// uses; the computer's searches keep material on their search boards instead. Outside the
// namespace plain, as the rules' ply arrays are.

// Material from Sente's point of view; valid only in the plies of the plain tree search.
extern int32_t MaterialScore[PlyCount];

// Copies position and material score from ply p to ply p + 1 (before MakeMoveFast).
void CopyPlyFast(int p);

// Makes a move in place on ply p as MakeMove does, keeping only the ply's material score
// current; callers copy ply p - 1 first.
void MakeMoveFast(int p, int fromX, int fromY, int toX, int toY, int promote);

// The computer's tree search and leaf value started from ply p with its MaterialScore, for the
// tests that hold them to the plain engine's; the ply is left as it was.
int32_t SearchValue(int p, int s, int depth);
int32_t LeafValue(int p, int s);
