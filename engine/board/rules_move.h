#pragma once

#include "search_board.h"

#include "rules/moves.h"

// The move as the rules write it, a drop coming from the mover's hand row.
inline Move RulesMove(const SearchMove& m, int s)
{
    if (m.dropType != 0)
        return Move { m.dropType, int8_t(HandRow(s)), int8_t(XOf(m.to)), int8_t(YOf(m.to)), 0 };
    return Move { int8_t(XOf(m.from)), int8_t(YOf(m.from)), int8_t(XOf(m.to)), int8_t(YOf(m.to)),
        m.promote };
}
