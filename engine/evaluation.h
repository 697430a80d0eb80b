#pragma once

#include "search_board.h"

#include <cstdint>

// The material balance of ply p from scratch, seen from side s; pieces in hand count at the
// value of their unpromoted type.
int32_t CountMaterial(int p, int s);

// The same balance on a search board.
int32_t CountMaterial(const SearchBoard& b, int s);

// The generator's state: 0 at program start and never reseeded, so the computer's choices
// repeat for the same inputs.
extern uint32_t RandomSeed;

// A pseudo-random integer in 0..n-1 from a 32-bit linear congruential generator.
int32_t RandomBelow(int32_t n);
