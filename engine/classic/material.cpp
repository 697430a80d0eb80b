#include "material.h"

#include "rules/ply_stack.h"
#include "rules/rule_tables.h"

#include <cstdlib>

int32_t CountMaterial(int p, int s)
{
    int32_t sum = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int c = Position[p][x][y];
            if (c != 0)
                sum += PieceValueTable[std::abs(c)] * SideOf(c);
        }
    for (int t = 1; t <= HandTypeCount; ++t)
        sum += (Position[p][t][HandRow(Sente)] - Position[p][t][HandRow(Gote)])
            * PieceValueTable[t];
    return sum * s;
}

int32_t CountMaterial(const SearchBoard& b, int s)
{
    int32_t sum = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const int c = b.code[square];
        if (c != 0)
            sum += PieceValueTable[std::abs(c)] * SideOf(c);
    }
    for (int t = 1; t <= HandTypeCount; ++t)
        sum += (b.hand[SideIndex(Sente)][t] - b.hand[SideIndex(Gote)][t]) * PieceValueTable[t];
    return sum * s;
}
