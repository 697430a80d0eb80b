#pragma once

#include "game_view.h"

#include "engine/classic/computer_choice.h"

// One tick of the window's 50 ms timer: runs the computer's turn when it is to move in a
// running game, never twice at once (message boxes inside the turn let ticks through).
void TimerTick(GameView& view);

// Plays the computer's chosen move on ply 1 with red frames on its source and destination,
// then referees it; or resigns.
void ComputerTurn(GameView& view);

// Carries out the decision of the computer, which plays the side to move: the move played with
// its red frames and refereed, or the resignation with its messages. Both computers end here.
void PlayDecision(GameView& view, const ComputerDecision& decision);
