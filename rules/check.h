#pragma once

// 1 if some piece of side -s attacks the king of side s in ply p, else 0.
// Needs the ply's king squares and checker flags to be current (ply 1, or CopyPly + MakeMove).
int IsKingAttacked(int p, int s);
