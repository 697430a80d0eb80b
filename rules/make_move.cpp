#include "make_move.h"

#include "ply_stack.h"

#include <cstdlib>

void MakeMove(int p, int fromX, int fromY, int toX, int toY, bool promote)
{
    int8_t(&pos)[BoardSize + 1][GridRows + 1] = Position[p];
    const int moving = pos[fromX][fromY];
    if (fromY <= BoardSize && (moving == King || moving == -King)) {
        KingX[p][SideIndex(moving / King)] = static_cast<int8_t>(toX);
        KingY[p][SideIndex(moving / King)] = static_cast<int8_t>(toY);
    }
    const int captured = pos[toX][toY];
    if (captured != 0) {
        int type = std::abs(captured);
        if (type > PromotionOffset)
            type -= PromotionOffset; // a captured promoted piece is held unpromoted
        // Play never takes a king; if a caller did, hands have no slot for it.
        if (type != King)
            ++pos[type][HandRow(-SideOf(captured))];
    }
    if (fromY <= BoardSize) {
        pos[toX][toY] = static_cast<int8_t>(moving);
        pos[fromX][fromY] = 0;
    } else {
        pos[toX][toY] = static_cast<int8_t>(fromY == HandRow(Sente) ? fromX : -fromX);
        --pos[fromX][fromY];
    }
    if (promote)
        pos[toX][toY] += pos[toX][toY] > 0 ? PromotionOffset : -PromotionOffset;
    UpdateCheckerFlags(p);
}
