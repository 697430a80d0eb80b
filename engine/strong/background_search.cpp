#include "background_search.h"

void BackgroundSearch::Start(std::function<void(StrongEngine&)> work)
{
    Stop();
    if (!engine_)
        engine_ = std::make_unique<StrongEngine>();
    stop_.store(false);
    finished_.store(false);
    thread_ = std::thread([this, work = std::move(work)] {
        work(*engine_);
        finished_.store(true, std::memory_order_release);
    });
}

void BackgroundSearch::Wait()
{
    if (thread_.joinable())
        thread_.join();
    finished_.store(false);
}

void BackgroundSearch::Stop()
{
    stop_.store(true, std::memory_order_relaxed);
    Wait();
}

SearchCallbacks BackgroundSearch::StoppableCallbacks(StrongEngine& engine) const
{
    SearchCallbacks callbacks;
    // The engine clears its own stop flag when a search begins, so a stop asked for before that
    // is kept here and passed on at the first poll.
    callbacks.poll = [this, &engine] {
        if (Stopping())
            engine.Stop();
    };
    return callbacks;
}
