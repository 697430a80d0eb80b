#pragma once

#include "engine/board/search_board.h"

#include <cstdint>

// The material balance of ply p from scratch, seen from side s; pieces in hand count at the
// value of their unpromoted type.
int32_t CountMaterial(int p, int s);

// The same balance on a search board.
int32_t CountMaterial(const SearchBoard& b, int s);
