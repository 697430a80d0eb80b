#include "strong_thinker.h"

#include "engine/board/game_position.h"
#include "engine/board/rules_move.h"
#include "engine/strong/search.h"

namespace {

// The strong computer plays on in every position it cannot prove lost: only a mate it cannot
// escape, or no legal move at all, makes it resign.
ComputerDecision DecisionOf(const SearchResult& result, int s)
{
    ComputerDecision decision;
    decision.score = result.score;
    decision.resigns = !result.hasMove || result.score <= -MateInMaxPly;
    if (!decision.resigns)
        decision.move = RulesMove(result.best, s);
    return decision;
}

} // namespace

StrongThinker::StrongThinker() = default;

StrongThinker::~StrongThinker() { Stop(); }

void StrongThinker::Start(int s, const RuleSet& rules, int64_t milliseconds)
{
    Stop();
    if (!engine_)
        engine_ = std::make_unique<StrongEngine>();
    const GamePosition position = PositionOfPly(1, s, rules);
    cancel_.store(false);
    done_.store(false);
    thread_ = std::thread([this, position, s, milliseconds] {
        SearchLimits limits;
        limits.timed = true;
        limits.time = TimeBudget { milliseconds, milliseconds, milliseconds };
        SearchCallbacks callbacks;
        // The engine clears its own stop flag when a search begins, so a stop asked for before
        // that is kept here and passed on at the first poll.
        callbacks.poll = [this] {
            if (cancel_.load(std::memory_order_relaxed))
                engine_->Stop();
        };
        const SearchResult result = engine_->Search(position, {}, limits, {}, callbacks);
        decision_ = DecisionOf(result, s);
        done_.store(true, std::memory_order_release);
    });
}

std::optional<ComputerDecision> StrongThinker::TakeDecision()
{
    if (!thread_.joinable() || !done_.load(std::memory_order_acquire))
        return std::nullopt;
    thread_.join();
    return decision_;
}

void StrongThinker::Stop()
{
    if (!thread_.joinable())
        return;
    cancel_.store(true, std::memory_order_relaxed);
    thread_.join();
}
