#pragma once

#include <cstdint>

// Destination codes of a TargetMap.
enum TargetCode : int8_t {
    TargetOwnPiece = -1, // guards an own piece; not a move
    TargetNone = 0,
    TargetMove = 1, // no promotion
    TargetPromoteOptional = 2, // with or without promotion, as the mover chooses
    TargetPromoteForced = 3, // only by promoting
};

// Fills the TargetMap of ply p with the destinations of the piece on board square (x, y),
// or, for y = 6 (Sente) or 7 (Gote), of a drop of piece type x from that hand.
// Follows movement, promotion and drop rules only; it does not test the mover's king.
void GenerateTargets(int p, int x, int y);
