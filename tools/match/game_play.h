#pragma once

#include "referee.h"
#include "usi_engine.h"

#include <chrono>
#include <cstdint>
#include <string>

// The time the engines get: a fixed time for each move (sent as byoyomi with empty main
// times, as shogi front ends send it), or a clock for the whole game with an increment after
// each move. An engine loses on time when a move takes longer than the time it had plus the
// margin, which absorbs the pipes and the scheduler; a move inside the margin empties its clock.
struct TimeControl {
    bool perMove = true;
    std::chrono::milliseconds move { 100 }; // per move
    std::chrono::milliseconds base { 0 }; // per game
    std::chrono::milliseconds increment { 0 }; // per game
    std::chrono::milliseconds margin { 50 };
    // When not 0, every move is "go nodes N" instead of a clock: a measure that the machine's
    // load does not change. A move that takes longer than the patience counts as a hang.
    uint64_t nodes = 0;
    std::chrono::milliseconds patience { 60'000 };
};

// Plays one game from the start position between two started engines, Sente's first, judged by
// the referee under the rules and the clocks of the time control, and tells both the result.
GameRecord PlayGame(UsiEngine& sente, UsiEngine& gote, const std::string& start,
    const RefereeRules& rules, const TimeControl& time, std::string& reason);
