#pragma once

#include "search.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// One piece of strong-search work off the window's thread: the strong computer's move, the
// analysis of a game or a hint. It owns the thread, the engine the work searches with, and the
// flags that say the work should end and that it has ended, so each user only says what to search.
class BackgroundSearch {
public:
    BackgroundSearch() = default;
    // Stops the work and waits for its thread, so a window closed meanwhile leaves nothing running.
    ~BackgroundSearch() { Stop(); }
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    // Stops any work under way, then runs work on a thread of its own. The engine is made on the
    // first start and kept, with what it learnt, for the next.
    void Start(std::function<void(StrongEngine&)> work);
    // From Start until the ended work has been collected by Wait or Stop.
    bool Running() const { return thread_.joinable(); }
    // Whether the work has returned; its results are then the caller's to read.
    bool Finished() const { return finished_.load(std::memory_order_acquire); }
    // Whether Stop has been asked: the work should return as soon as it can.
    bool Stopping() const { return stop_.load(std::memory_order_relaxed); }
    // Waits for the work to return and collects its thread.
    void Wait();
    // Asks the work to end at once and waits for it; whatever it leaves is the caller's to drop.
    void Stop();
    // The callbacks that pass Stop on to the engine while the work searches.
    SearchCallbacks StoppableCallbacks(StrongEngine& engine) const;

private:
    std::unique_ptr<StrongEngine> engine_; // made on the first start: the classic window needs none
    std::thread thread_;
    std::atomic<bool> stop_ { false };
    std::atomic<bool> finished_ { false };
};
