#pragma once

#include "referee.h"
#include "thinking_time.h"
#include "time_control.h"
#include "usi_engine.h"

#include <chrono>
#include <string>

// The time both engines get in one game. An engine loses on time when a move takes longer than
// the time it had plus the margin, which absorbs the pipes and the scheduler; a move inside the
// margin empties its clock. Under a node limit a move longer than the patience counts as a hang.
struct GameTime {
    TimeControl side[2]; // the Sente engine's, the Gote engine's
    std::chrono::milliseconds margin { 50 };
    std::chrono::milliseconds patience { 60'000 };
};

// A game played out: its record, why it ended, and how long each side thought.
struct PlayedGame {
    GameRecord record;
    std::string reason;
    ThinkingTime thinking[2]; // Sente's, Gote's
};

// Plays one game from the start position between two started engines, Sente's first, judged by
// the referee under the rules and the clocks of the time control, and tells both the result.
PlayedGame PlayGame(UsiEngine& sente, UsiEngine& gote, const std::string& start,
    const RefereeRules& rules, const GameTime& time);
