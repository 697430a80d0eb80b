#pragma once

// Handicap levels: 1 is the even game, 2 removes Sente's bishop, 3 its bishop and rook.
inline constexpr int MinLevel = 1;
inline constexpr int MaxLevel = 3;

// Writes Velmora's start (StartSfen) for the level into ply 1 with both king squares.
void SetUpPosition(int level);

// Takes from Sente's army on ply 1 the pieces the level removes, whichever start it stands in.
void RemoveHandicapPieces(int level);
