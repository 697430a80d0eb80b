#pragma once

#include "hash.h"
#include "search_board.h"

#include "rules/rule_set.h"

#include <vector>

// A position as a value: the board with both hands, the side to move and the rules it is played
// under. The searches take one of these instead of reading the game's ply.
struct GamePosition {
    SearchBoard board {};
    int side = Sente;
    const RuleSet* rules = &StandardRules;
};

// A position the game has been in before the one searched, which a repetition may come back to.
struct PastPosition {
    uint64_t key;
    bool inCheck; // the side to move there was in check
};

// The position of ply p with side s to move.
GamePosition PositionOfPly(int p, int s, const RuleSet& rules);
