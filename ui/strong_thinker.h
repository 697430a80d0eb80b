#pragma once

#include "engine/classic/computer_choice.h"
#include "rules/rule_set.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>

class StrongEngine;

// The strong computer's thinking for the window, on a thread of its own, so that the window keeps
// drawing and answering while it thinks. The game flow starts it on the computer's turn, asks at
// every tick whether the move is ready, and stops it whenever the game stops or changes under it.
class StrongThinker {
public:
    StrongThinker();
    // Stops the thinking and waits for its thread, so a window closed meanwhile leaves nothing
    // running.
    ~StrongThinker();
    StrongThinker(const StrongThinker&) = delete;
    StrongThinker& operator=(const StrongThinker&) = delete;

    // Starts thinking about ply 1 with side s to move under the rules, for the given time. Ply 1
    // is read here, on the caller's thread; the search works on a copy of it.
    void Start(int s, const RuleSet& rules, int64_t milliseconds);
    // From Start until the decision is taken or the thinking is stopped.
    bool Thinking() const { return thread_.joinable(); }
    // The decision once the search has ended; nothing while it still runs.
    std::optional<ComputerDecision> TakeDecision();
    // Ends the thinking at once; its result is dropped.
    void Stop();

private:
    std::unique_ptr<StrongEngine> engine_; // made on the first turn: the classic window needs none
    std::thread thread_;
    std::atomic<bool> cancel_ { false };
    std::atomic<bool> done_ { false };
    ComputerDecision decision_; // written by the thread before done_, read only after it
};
