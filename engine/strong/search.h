#pragma once

#include "score.h"
#include "time_manager.h"
#include "transposition_table.h"

#include "engine/board/game_position.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct SearchLimits {
    int depth = 0; // the last depth searched; 0 for no limit
    uint64_t nodes = 0; // 0 for no limit
    bool timed = false;
    TimeBudget time; // when timed
    bool infinite = false; // think until stopped, whatever the other limits say
};

struct SearchSettings {
    int multiPV = 1;
    int threads = 1;
    int skill = 20; // 20 is full strength; lower sees less deep and judges worse
};

// One principal variation of an iteration.
struct PvLine {
    int score = 0;
    Bound bound = Bound::Exact; // Upper or Lower when the score only bounds the truth
    std::vector<SearchMove> moves;
};

struct SearchInfo {
    int depth = 0;
    int selDepth = 0;
    uint64_t nodes = 0;
    int64_t milliseconds = 0;
    int hashfull = 0;
    std::vector<PvLine> lines; // best first, one per MultiPV line
};

struct SearchResult {
    bool hasMove = false; // false when the side to move has no legal move
    SearchMove best {};
    bool hasPonder = false;
    SearchMove ponder {};
    int score = 0;
    uint64_t nodes = 0;
};

// What the caller hears while a search runs, on the thread that called Search.
struct SearchCallbacks {
    std::function<void(const SearchInfo&)> info; // after every completed depth and at the end
    std::function<void()> poll; // regularly: may call Stop or PonderHit
};

// The full-strength search: iterative deepening, principal-variation alpha-beta with a shared
// transposition table, quiescence, pruning, reductions and extensions, on one or more threads.
class StrongEngine {
public:
    explicit StrongEngine(size_t hashMegabytes = 16);
    ~StrongEngine();

    void ResizeHash(size_t megabytes);
    // Forgets what earlier games taught: the table and the move-ordering statistics.
    void NewGame();

    // Searches the position, which the game reached through history (oldest first), within the
    // limits. Returns when a limit is reached or Stop is called; an infinite search returns only
    // when stopped.
    SearchResult Search(const GamePosition& position, const std::vector<PastPosition>& history,
        const SearchLimits& limits, const SearchSettings& settings,
        const SearchCallbacks& callbacks);

    // May be called from the poll callback.
    void Stop() { stop_.store(true, std::memory_order_relaxed); }
    // A ponder search becomes a search of the move on the clock, which starts now.
    void PonderHit();

    struct Worker;
    struct Shared;

private:
    std::unique_ptr<TranspositionTable> table_;
    std::atomic<bool> stop_ { false };
    std::unique_ptr<Shared> shared_;
    std::vector<std::unique_ptr<Worker>> workers_;
};

// The moves searched from a position to a depth, for the bench and the tests: one thread, no
// time limit. Returns the nodes searched.
uint64_t SearchNodesToDepth(
    const GamePosition& position, int depth, SearchResult* result = nullptr);
