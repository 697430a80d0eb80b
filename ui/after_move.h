#pragma once

#include "game_view.h"

// The referee after every move made on ply 1, with SideToMove still the mover: a move that
// leaves the mover's own king attacked loses, a check without escape wins, anything else
// passes the turn. Leaves the destinations of ply 1 empty.
void AfterMove(GameView& view);

// The message that names side s as the winner.
std::string_view WinnerMessage(int s);
