#pragma once

#include <cstdint>

// The generator's state: 0 at program start and never reseeded, so the computer's choices
// repeat for the same inputs.
extern uint32_t RandomSeed;

// A pseudo-random integer in 0..n-1 from a 32-bit linear congruential generator.
int32_t RandomBelow(int32_t n);
