#pragma once

#include <cstdint>
#include <ostream>

// The depth "velmora-usi bench strong" searches each position to.
inline constexpr int StrongBenchDepth = 9;

// "velmora-usi bench strong [depth]": the strong search on one thread, without a clock, to a fixed
// depth on every position of the built-in suite, each under the rules it is written for (the
// suite's positions are Velmora's own game). Prints the nodes of each position and then "nodes
// <n>", the total, which changes with any change to what the search does: its signature. The time
// taken goes to the second stream. Returns the total.
uint64_t RunStrongBench(std::ostream& out, std::ostream& timing, int depth = StrongBenchDepth);
