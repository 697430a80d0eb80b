#include "tests/reference/material_plies.h"

#include "engine/board/search_board.h"
#include "engine/classic/tree_search.h"
#include "rules/rule_tables.h"

#include <cstring>

int32_t MaterialScore[PlyCount];

void CopyPlyFast(int p)
{
    std::memcpy(Position[p + 1], Position[p], sizeof Position[p]);
    MaterialScore[p + 1] = MaterialScore[p];
}

void MakeMoveFast(int p, int fromX, int fromY, int toX, int toY, int promote)
{
    int8_t(&pos)[BoardSize + 1][GridRows + 1] = Position[p];
    if (fromY > BoardSize) {
        // Material is unchanged: a piece in hand counts as much as on the board.
        pos[toX][toY] = static_cast<int8_t>(fromY == HandRow(Sente) ? fromX : -fromX);
        --pos[fromX][fromY];
        return;
    }
    const int m = pos[fromX][fromY];
    const int s = SideOf(m);
    const int t = m * s;
    int k = -s * pos[toX][toY];
    pos[toX][toY] = static_cast<int8_t>(m);
    pos[fromX][fromY] = 0;
    if (promote == 1) {
        MaterialScore[p] += PromotionGain(t) * s;
        pos[toX][toY] += static_cast<int8_t>(PromotionOffset * s);
    }
    if (k <= 0)
        return;
    MaterialScore[p] += CaptureGain(k) * s;
    if (k > PromotionOffset)
        k -= PromotionOffset;
    // A captured king only moves the score; hands have no slot for it.
    if (k != King)
        ++pos[k][HandRow(s)];
}

int32_t SearchValue(int p, int s, int d)
{
    return SearchValue(LoadBoard(p, MaterialScore[p]), s, d, -UnboundedValue, UnboundedValue);
}

int32_t LeafValue(int p, int s) { return LeafValue(LoadBoard(p, MaterialScore[p]), s); }
