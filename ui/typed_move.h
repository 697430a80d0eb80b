#pragma once

#include "rules/moves.h"
#include "rules/rule_set.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// What a typed move came to: the legal move, or why there is none.
struct TypedMoveResult {
    std::optional<Move> move; // the legal move, when read
    std::string reason; // otherwise why not, one short English line
};

// Reads what the player typed, for side s to move in ply 1 under rules, in any of the three
// notations: USI ("2e3d", "P*3c", "4b3a+"), Western ("B-3d", "Bx3d", "S*3c", "G4e-3d", "+P-2b",
// "P-1a+", "S-2b=") or Japanese ("３四角", "34角", "同　銀", "３四銀(45)", "２二銀右", "▲３三歩打",
// "１一銀成", "１一銀不成"). lastTo is the destination square (x, y) of the previous move, if
// any, for 同. A move is only ever one the rules' judge finds legal; a move that could mean two
// pieces, or leaves an optional promotion unsaid, is refused with the question to answer. Ply 1
// is left as it was, its destinations included; plies 2 and 3 are overwritten.
TypedMoveResult ReadTypedMove(
    std::string_view text, int s, const RuleSet& rules, std::optional<std::pair<int, int>> lastTo);
