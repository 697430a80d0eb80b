#pragma once

// Whether some piece of side -s attacks the king of side s in ply p.
// Needs the ply's king squares and checker flags to be current (ply 1, or CopyPly + MakeMove).
bool IsKingAttacked(int p, int s);
