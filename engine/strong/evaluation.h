#pragma once

#include "engine/board/search_board.h"

#include <cstdint>

// The strong search's evaluation of the position with side s to move, in centipawns from s's
// point of view: the weighted sum of the features of eval_features.h.
int32_t Evaluate(const SearchBoard& b, int s);
