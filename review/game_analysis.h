#pragma once

#include "engine/strong/background_search.h"
#include "engine/strong/search.h"
#include "record/game_record.h"
#include "rules/rule_set.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

// A loss against the engine's best of at least this much marks a move as a blunder.
inline constexpr int BlunderCentipawns = 300;

// How deep each position of a record is searched: deep enough to see a hung piece and short
// mates, and about a sixth of a second a position on one free core, so that a 60-move game takes
// some 10 s (bench/analysis_bench.cpp). The node cap bounds the rare position whose depth costs
// far more.
inline constexpr SearchLimits AnalysisLimits { 16, 2'000'000, false, {}, false };

// What the strong search found in one position of a record.
struct PositionAnalysis {
    // From Sente's side, as the search scores: centipawns, or MateValue less the plies to a mate
    // (negative when Gote mates), so that a mate counts beyond every evaluation.
    int score = 0;
    // The engine's best line from the position, its first move the best; empty when the side to
    // move has lost already. Each move says what moves, as a written record names it.
    std::vector<RecordedMove> line;

    friend bool operator==(const PositionAnalysis&, const PositionAnalysis&) = default;
};

// The analysis of a whole record: its start and the position after each move.
struct GameAnalysis {
    std::string usiPosition; // the record analysed, as GameRecord::UsiPosition writes it
    int startSide = Sente;
    std::vector<PositionAnalysis> positions;

    // The side to move in position i, 0 the start.
    int MoverOf(size_t i) const { return i % 2 == 0 ? startSide : -startSide; }
    // Whether this analysis belongs to the record as it stands.
    bool Describes(const GameRecord& record) const;
    // What move n (1 the first) lost against the best, from its mover's side.
    int Loss(size_t n) const;
    bool IsBlunder(size_t n) const { return Loss(n) >= BlunderCentipawns; }
    // The evaluation as a KIF comment writes it, "+123", "-45" or "▲詰5" (Sente mates in 5).
    std::string EvaluationText(size_t position) const;
    // One KIF comment line for each position, "*評価値 +123 最善手 ▲２三銀(14)", for WriteKif.
    std::vector<std::string> KifComments() const;
};

// Analyses a record on a thread of its own, position by position, with the strong search.
// The window polls Done and Progress; Cancel returns only once the thread has ended, and a
// cancelled analysis yields nothing.
class GameAnalyser {
public:
    GameAnalyser() = default;
    ~GameAnalyser() { Cancel(); }
    GameAnalyser(const GameAnalyser&) = delete;
    GameAnalyser& operator=(const GameAnalyser&) = delete;

    // Starts on a copy of the record; reads ply 1 on the calling thread and leaves it as it was.
    void Start(const GameRecord& record, const RuleSet& rules,
        const SearchLimits& limits = AnalysisLimits);
    void Cancel();
    bool Running() const { return search_.Running(); }
    bool Done() const { return search_.Finished(); }
    size_t PositionsDone() const { return positionsDone_.load(std::memory_order_relaxed); }
    size_t PositionsTotal() const { return analysis_.positions.size(); }
    // The finished analysis; waits for the thread to end. Not after Cancel.
    GameAnalysis Take();

private:
    void Run(StrongEngine& engine, SearchLimits limits);

    // One position to search, read off the record before the thread starts.
    struct Job {
        GamePosition position;
        std::vector<PastPosition> history;
    };
    std::vector<Job> jobs_;
    GameAnalysis analysis_;
    std::atomic<size_t> positionsDone_ { 0 };
    BackgroundSearch search_;
};

// Analyses the record on the calling thread: for tests and tools.
GameAnalysis AnalyseRecord(
    const GameRecord& record, const RuleSet& rules, const SearchLimits& limits = AnalysisLimits);
