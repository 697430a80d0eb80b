#pragma once

#include "engine/board/game_position.h"

#include <functional>
#include <vector>

// The proof-number solver's mate from the root, as the search writes moves: the attacker's
// checks and the defender's longest resistance, ending in mate. Empty when no mate was proved
// before shouldStop answered true. shouldStop is polled about every millisecond.
std::vector<SearchMove> ProveMateLine(
    const GamePosition& root, const std::function<bool()>& shouldStop, uint64_t& nodes);
