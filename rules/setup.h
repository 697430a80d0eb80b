#pragma once

// Handicap levels: 1 is the even game, 2 removes Sente's bishop, 3 its bishop and rook.
inline constexpr int MinLevel = 1;
inline constexpr int MaxLevel = 3;

// Writes the initial position of the level into ply 1 with both king squares.
void SetUpPosition(int level);
