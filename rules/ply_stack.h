#pragma once

#include "pieces.h"

#include <cstdint>

// The per-ply arrays of the game; the computer's searches read ply 1 (or the ply a caller names)
// once and then work on search boards, and the plain reference engine keeps its own maps. Ply 1 is
// the game position on screen; plies 2 to 8 are working plies, each filled from the ply below it,
// so no move is ever undone. Ply 0 of each scratch map is an all-zero template (static storage
// starts zeroed, and only a new game's reset writes ply 0, zeroing it again) copied over a map to
// clear it. Coordinates are 1-based (index 0 unused), sides by SideIndex.
inline constexpr int MaxPly = 8;
inline constexpr int PlyCount = MaxPly + 1;

// [ply][x 1..5][y 1..7]: rows 1..5 hold piece codes, rows 6 and 7 the hand counts by type.
extern int8_t Position[PlyCount][BoardSize + 1][GridRows + 1];
// [ply][x][y]: destination codes of the last GenerateTargets call at that ply.
extern int8_t TargetMap[PlyCount][BoardSize + 1][BoardSize + 1];
// [ply][SideIndex(side)][type]: whether an enemy piece of that type may be attacking the side's
// king.
extern bool CheckerFlags[PlyCount][SideSlots][PieceTypeCount + 1];
extern int8_t KingX[PlyCount][SideSlots];
extern int8_t KingY[PlyCount][SideSlots];

// Copies position and both king squares from ply p to ply p + 1 (before MakeMove).
void CopyPly(int p);
// Recomputes which enemy piece types may be attacking each king of ply p.
void UpdateCheckerFlags(int p);
