#pragma once

#include <cstdint>
#include <ostream>

// "velmora-usi bench": the computer's decision, as the window makes it, on every position of the
// built-in suite in turn, in one process whose generator starts from 0 and is never reseeded.
// Prints one line a position (its name, the move, the score, whether the forced-mate pass chose
// it or the computer resigns, and the generator's state after it), then "signature <n>": a hash
// of all of those lines, which changes with any decision, score or draw. The time taken goes to
// the second stream, so the first is the same on every machine. Returns the signature.
uint64_t RunBench(std::ostream& out, std::ostream& timing);
