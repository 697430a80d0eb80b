#pragma once

#include "rules/pieces.h"

#include <array>
#include <string>

// What must hold in any ply reached by legal play (ply 1, or a ply filled by CopyPly and
// MakeMove), checked from scratch and independently of the rules' own bookkeeping. Each Find…
// returns an empty string for a sound ply, otherwise what is wrong and the position.

// Pieces of each kind 1..6 on the board and in both hands, promoted pieces counted as their kind.
using KindCounts = std::array<int, King + 1>;
KindCounts CountKinds(int p);

// Whether the piece on (x, y) of ply p reaches (tx, ty), walking from the piece.
bool PieceReaches(int p, int x, int y, int tx, int ty);
// Whether some piece of side -s reaches the king of side s, found by looking at every piece.
bool KingAttackedByAnyPiece(int p, int s);

// Exactly one king per side, with KingX/KingY on it.
std::string FindKingFault(int p);
// Hand counts 0 to 2 and no kind more than twice in all.
std::string FindCountFault(int p);
// A CheckerFlags entry set for every piece type that attacks a king.
std::string FindCheckerFlagFault(int p);
// All of the above, and the kinds' counts equal to start.
std::string FindPlyFault(int p, const KindCounts& start);

// The ply's board and hands in SFEN, the side to move left open.
std::string DescribePly(int p);
