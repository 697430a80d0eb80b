#pragma once

#include "game_view.h"

enum class MouseButton { Left, Right, Middle };

// The cell whose 15 x 15 interior holds picture point (px, py), scanning x = 1..5 and
// y = 1..lastRow; grid lines and cell borders belong to no cell. False when none is hit.
bool HitCell(int px, int py, int lastRow, int& x, int& y);

// A press on the picture: picks a piece in hand, or makes the move to a destination of the
// current pick (the left button declines an optional promotion).
void PressOnPicture(GameView& view, int px, int py, MouseButton button);
// A release on the picture: picks the own board piece under it.
void ReleaseOnPicture(GameView& view, int px, int py);

// Whether a pick is in force: ply 1's destinations hold what it generated. A move or a
// cancelled pick empties them.
bool PickInForce();
// Drops the person's pick and its frame, as if it had never been made.
void CancelPick(GameView& view);
