#pragma once

#include "game_view.h"

// How many moves a take back would undo now: the person's last move, and against the computer
// its reply too. 0 while the computer is to move, before the first move and once the game has
// ended.
int MovesToTakeBack();

// Undoes those moves on ply 1 and in the record, with no pick and no frame left. The random
// generator is not rewound, so the computer may answer differently the second time. False,
// changing nothing, when there is nothing to take back.
bool TakeBack(GameView& view);
