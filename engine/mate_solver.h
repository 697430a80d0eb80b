#pragma once

#include "rules/moves.h"

#include <cstdint>
#include <functional>
#include <vector>

enum class MateOutcome {
    Mate,
    NoMate,
    Stopped,
    // A mate was proved, but no line ending in mate could be read back from the proof: the
    // question is still open, and the answer is the caller's to choose.
    ProvedWithoutLine,
};

struct MateSolution {
    MateOutcome outcome = MateOutcome::Stopped;
    // Mate: the attacker's checks and the defender's longest resistance, ending in mate
    std::vector<Move> line;
    uint64_t nodes = 0; // positions searched
};

// Solves mate by checks for side s to move in ply 1's position. It reads ply 1 once at the start
// and changes no ply, so the caller may not change ply 1 while it runs. pawnDropMateLegal is false
// under standard minishogi rules (a pawn drop that gives mate is then illegal for either side) and
// true in Velmora's own game. shouldStop is polled regularly (at least every millisecond or so);
// once it answers true the solver returns Stopped, unless a mate is proved already: then it returns
// that mate with the shortest line found so far. It never waits for the stop: a proof whose line
// cannot be read back returns ProvedWithoutLine at once.
MateSolution SolveMate(int s, bool pawnDropMateLegal, const std::function<bool()>& shouldStop);
