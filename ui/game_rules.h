#pragma once

#include "rules/rule_set.h"

// Writes the start of the rules at the handicap level into ply 1 with its king squares: the
// levels take the bottom side's bishop, then its rook, off the board wherever they stand.
void SetUpStart(const RuleSet& rules, int level);
