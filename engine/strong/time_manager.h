#pragma once

#include <cstdint>

// The clock as a "go" command gives it, in milliseconds; a negative remaining time (some front
// ends send one after a slow move) counts as none.
struct GoClock {
    int64_t time[2] = { -1, -1 }; // btime, wtime: Sente's, Gote's; -1 when not given
    int64_t increment[2] = { 0, 0 }; // binc, winc
    int64_t byoyomi = 0;
    int64_t moveTime = 0; // movetime
    int movesToGo = 0;
};

// How long one move may take, in milliseconds from the moment the search starts.
struct TimeBudget {
    int64_t minimum = 0; // never stop earlier, unless the move is forced or a mate is certain
    int64_t optimum = 0; // aim to stop after an iteration that ends beyond about this
    int64_t maximum = 0; // stop here whatever happens
};

// Thinking time when "go" gives no limit at all, as scripts send it.
inline constexpr int64_t DefaultThinkingMs = 2000;

// Whether the clock limits the move at all.
bool HasClock(const GoClock& clock, int side);

// The budget for side's move. overheadMs is kept back from every limit for the answer to travel.
TimeBudget PlanTime(const GoClock& clock, int side, int64_t overheadMs);
