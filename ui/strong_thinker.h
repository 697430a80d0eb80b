#pragma once

#include "engine/strong/background_search.h"

#include "engine/classic/computer_choice.h"
#include "rules/rule_set.h"

#include <cstdint>
#include <optional>

// The strong computer's thinking for the window, on a thread of its own, so that the window keeps
// drawing and answering while it thinks. The game flow starts it on the computer's turn, asks at
// every tick whether the move is ready, and stops it whenever the game stops or changes under it.
class StrongThinker {
public:
    // Starts thinking about ply 1 with side s to move under the rules, for the given time, at the
    // skill level given (20 full strength). Ply 1 is read here, on the caller's thread; the
    // search works on a copy of it.
    void Start(int s, const RuleSet& rules, int64_t milliseconds, int skill = 20);
    // From Start until the decision is taken or the thinking is stopped.
    bool Thinking() const { return search_.Running(); }
    // The decision once the search has ended; nothing while it still runs.
    std::optional<ComputerDecision> TakeDecision();
    // Ends the thinking at once; its result is dropped.
    void Stop();

private:
    BackgroundSearch search_;
    ComputerDecision decision_; // written by the search before it finishes, read only after
};
