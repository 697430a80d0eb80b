#pragma once

#include "move_order.h"
#include "search.h"

#include "engine/board/move_list.h"

#include <atomic>
#include <chrono>
#include <vector>

// What the threads of one search share: the limits, the table, the stop flag and the clock.
struct StrongEngine::Shared {
    std::chrono::steady_clock::time_point start;
    std::atomic<bool> pondering { false }; // an infinite or ponder search ignores the clock
    SearchLimits limits;
    SearchSettings settings;
    const SearchCallbacks* callbacks = nullptr;
    std::atomic<bool>* stop = nullptr;
    TranspositionTable* table = nullptr;
    std::vector<std::unique_ptr<Worker>>* workers = nullptr;

    int64_t Elapsed() const;
    uint64_t TotalNodes() const;
    bool Stopped() const { return stop->load(std::memory_order_relaxed); }
};

struct RootMove {
    SearchMove move;
    int score = -Infinite;
    int previousScore = -Infinite;
    Bound bound = Bound::Exact;
    std::vector<SearchMove> pv;
};

// One thread's search. Thread 0 reports, keeps the clock and answers; the others only fill the
// shared table, each starting at its own depth so that they spread over the tree.
struct StrongEngine::Worker {
    explicit Worker(int id);

    void Prepare(
        Shared& shared, const GamePosition& root, const std::vector<PastPosition>& history);
    void IterativeDeepening();
    bool HasRootMoves() const { return !rootMoves_.empty(); }
    SearchResult Result() const;
    SearchInfo Info() const;
    // The search's last word, unless it would repeat the mate already announced.
    void ReportLast();
    uint64_t Nodes() const { return nodes_.load(std::memory_order_relaxed); }

private:
    struct Frame {
        uint64_t key;
        bool inCheck;
        int staticEval;
        SearchMove killers[2];
        bool nullMove; // the move made here was a pass
        int moveKey; // the continuation history's key of the move made here, -1 for none
        PackedMove excluded; // the move a singularity search leaves out, 0 for none
    };

    int Search(const SearchBoard& b, int s, int alpha, int beta, int depth, int ply, bool pvNode,
        bool cutNode);
    int Quiesce(const SearchBoard& b, int s, int alpha, int beta, int ply, int qdepth);
    int AspirationSearch(int depth);
    int Evaluation(const SearchBoard& b, int s, uint64_t key) const;
    bool RepetitionScore(int ply, int s, int& score) const;
    void CountNode();
    void CheckLimits();
    bool ShouldStopAfterIteration(int depth);
    bool MateSeenToItsEnd(int depth) const;
    bool ProvedMateAtRoot(int depth);
    void UpdateQuietStats(const SearchBoard& b, int s, int ply, const SearchMove& best,
        const MoveList& list, int tried, int depth);
    void EarlierMoves(int ply, int earlier[2]) const;
    void Report(int depth);
    void EnterChild(int ply, const SearchBoard& child, int childSide, uint64_t childKey);

    int id_;
    Shared* shared_ = nullptr;
    GamePosition root_;
    std::vector<PastPosition> path_; // the game's positions, then the search's down to the node
    size_t rootIndex_ = 0;
    std::vector<RootMove> rootMoves_;
    int pvIndex_ = 0;
    int completedDepth_ = 0;
    int selDepth_ = 0;
    int bestMoveChanges_ = 0;
    bool mateTried_ = false; // the proof-number solver had its go at this root
    struct ReportedMate {
        int score = 0;
        PackedMove move = 0;
        friend bool operator==(const ReportedMate&, const ReportedMate&) = default;
    };
    ReportedMate reportedMate_; // the mate last announced, if any
    std::atomic<uint64_t> nodes_ { 0 };
    uint64_t nextCheck_ = 0;
    HistoryTable history_ {};
    ContinuationHistory continuation_;
    Frame frames_[MaxSearchPly + 4] {};
    SearchMove pv_[MaxSearchPly + 1][MaxSearchPly + 1] {};
    int pvLength_[MaxSearchPly + 1] {};
};
