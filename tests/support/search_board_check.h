#pragma once

#include "engine/board/search_board.h"
#include "engine/classic/material.h"
#include "rules/check.h"
#include "rules/moves.h"
#include "rules/ply_stack.h"

#include <string>

// The rules' move as the searches write it.
inline SearchMove ToSearchMove(const Move& m)
{
    const bool drop = m.fromY > BoardSize;
    return SearchMove { int8_t(drop ? 0 : SquareAt(m.fromX, m.fromY)),
        int8_t(SquareAt(m.toX, m.toY)), int8_t(drop ? m.fromX : 0), m.promote };
}

// What differs between a search board and ply p, whose king squares and checker flags MakeMove
// has kept: the pieces, the hands, the king squares, the material counted from scratch and
// which king is attacked. Empty when they agree.
inline std::string FindSearchBoardFault(const SearchBoard& b, int p)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (b.code[SquareAt(x, y)] != Position[p][x][y])
                return "the search board differs at " + std::to_string(x) + "," + std::to_string(y);
    for (int t = 1; t <= HandTypeCount; ++t)
        if (b.hand[0][t] != Position[p][t][HandRow(Sente)]
            || b.hand[1][t] != Position[p][t][HandRow(Gote)])
            return "the search board's hands differ in type " + std::to_string(t);
    for (int s : { Sente, Gote }) {
        if (b.king[SideIndex(s)] != SquareAt(KingX[p][SideIndex(s)], KingY[p][SideIndex(s)]))
            return "the search board's king square differs";
        if (KingAttacked(b, s) != IsKingAttacked(p, s))
            return "the search board's attacked king differs";
    }
    if (b.material != CountMaterial(p, Sente))
        return "the search board's material " + std::to_string(b.material) + " is not the "
            + std::to_string(CountMaterial(p, Sente)) + " counted";
    return "";
}
