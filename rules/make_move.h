#pragma once

// Makes a move in place on ply p, keeping its king squares, hands and checker flags current. A
// drop has fromY = 6 (Sente's hand) or 7 (Gote's hand) and fromX = the type dropped. Callers copy
// ply p - 1 first.
void MakeMove(int p, int fromX, int fromY, int toX, int toY, bool promote);
