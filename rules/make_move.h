#pragma once

// Makes a move in place on ply p. A drop has fromY = 6 (Sente's hand) or 7 (Gote's hand)
// and fromX = the type dropped. promote = 1 promotes; callers copy ply p - 1 first.

// The full move maker: keeps king squares, hands and checker flags of the ply current.
void MakeMove(int p, int fromX, int fromY, int toX, int toY, int promote);
// The tree search's move maker: keeps only the ply's material score current.
void MakeMoveFast(int p, int fromX, int fromY, int toX, int toY, int promote);
