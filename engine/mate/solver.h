#pragma once

#include "engine/board/game_position.h"
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

// Solves mate by checks for the side to move in the position, under its rules (standard
// minishogi forbids a pawn drop that gives mate to either side; Velmora's own game allows it).
// shouldStop is polled regularly (at least every millisecond or so);
// once it answers true the solver returns Stopped, unless a mate is proved already: then it returns
// that mate with the shortest line found so far. It never waits for the stop: a proof whose line
// cannot be read back returns ProvedWithoutLine at once.
MateSolution SolveMate(const GamePosition& position, const std::function<bool()>& shouldStop);
