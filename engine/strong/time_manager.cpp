#include "time_manager.h"

#include "engine/board/bitboard.h"

#include <algorithm>

namespace {

// A sudden-death clock is shared out as if this many moves of one side were left. Each move
// takes its share of what is left, so the spending falls off geometrically: with 16, a game of 30
// moves a side still ends with about a quarter of the clock, and a longer one never runs dry.
constexpr int ExpectedMovesLeft = 16;
// A hard position may take this many times the even share, and never more than this part of
// what is left on the clock.
constexpr int64_t MaximumShareFactor = 4;
constexpr int64_t MaximumPartOfRemaining = 3; // one third

} // namespace

bool HasClock(const GoClock& clock, int side)
{
    return clock.moveTime > 0 || clock.byoyomi > 0 || clock.time[SideIndex(side)] >= 0;
}

TimeBudget PlanTime(const GoClock& clock, int side, int64_t overheadMs)
{
    TimeBudget budget;
    if (clock.moveTime > 0) {
        const int64_t t = std::max<int64_t>(clock.moveTime - overheadMs, 1);
        return TimeBudget { t, t, t };
    }
    const int64_t remaining = std::max<int64_t>(clock.time[SideIndex(side)], 0);
    const int64_t increment = std::max<int64_t>(clock.increment[SideIndex(side)], 0);
    const int movesLeft
        = clock.movesToGo > 0 ? std::min(clock.movesToGo, ExpectedMovesLeft) : ExpectedMovesLeft;
    // What is left plus what comes back is spent evenly; the byoyomi is used whole, since what a
    // move leaves of it is lost.
    const int64_t share = remaining / movesLeft + increment * 9 / 10;
    const int64_t safeRemaining = std::max<int64_t>(remaining - overheadMs, 0);
    const int64_t cap
        = clock.movesToGo == 1 ? safeRemaining : safeRemaining / MaximumPartOfRemaining;
    budget.optimum = std::min(share, cap);
    budget.maximum = std::min(share * MaximumShareFactor, std::max(cap, budget.optimum));
    if (clock.byoyomi > 0) {
        const int64_t byoyomi = std::max<int64_t>(clock.byoyomi - overheadMs, 1);
        budget.minimum = byoyomi;
        budget.optimum += byoyomi;
        budget.maximum += byoyomi;
    }
    budget.optimum = std::max<int64_t>(budget.optimum, 1);
    budget.maximum = std::max(budget.maximum, budget.optimum);
    return budget;
}
