#pragma once

#include "moves.h"

// Standard minishogi forbids a pawn drop that gives mate; Velmora's own game allows it, so only
// the engine program's minishogi rules ask. Whether the legal move m of side s at ply p is a pawn
// drop after which the opponent has no legal reply. Writes plies p + 1 and p + 2 (p up to
// MaxPly - 2); ply p + 1 then holds the position after the move.
bool IsPawnDropMate(int p, int s, const Move& m);
