#pragma once

#include "game_state.h"
#include "game_view.h"
#include "review/game_review.h"

#include "rules/ply_snapshot.h"

#include <optional>
#include <vector>

// A move tried in place of a mistake is accepted when the mover's winning chance after it is
// within this of the best move's, on the -1..+1 scale: half of what an inaccuracy throws away, so
// that a move the review would not judge passes, and one it would judge never does.
inline constexpr double RetryTolerance = 0.05;

// What a move tried in place of a mistake earns.
struct RetryVerdict {
    bool accepted = false;
    Move tried {};
    // The engine's answer to the move tried; none when the game ends with it.
    std::optional<Move> reply;
    double bestChance = 0; // the mover's winning chance after the engine's best move
    double chance = 0; // and after the move tried
};

// Judges a move tried in the position before move n of the record (1 the first), against the
// best the analysis found there: the position after it is searched as the analysis searched.
RetryVerdict JudgeRetry(const GameRecord& record, const GameAnalysis& analysis,
    const RuleSet& rules, size_t n, const Move& tried, const SearchLimits& limits = AnalysisLimits);

// The numbers of the moves of one side that the review judged, in the record's order.
std::vector<size_t> MistakesOf(const GameReview& review, int side);

// Learning from one side's mistakes on the window's board: the position before each mistake in
// turn, where the person to move is asked for a better one through the board's own move input.
// While it is active the game state says a game between two people runs, so that a press moves
// as in a game, the view takes the move (GameView::TakeMove) instead of the record, and replay,
// the labels and the menu's settings leave the board alone as during any game. The game state
// and ply 1 are kept at the start and put back at the end; the record is never touched.
class MistakePractice {
public:
    explicit MistakePractice(GameView& view)
        : view_(view)
    {
    }

    bool Active() const { return !moves_.empty(); }
    // Whether the board waits for a move tried; after a verdict or the answer it takes none until
    // asked again.
    bool Asking() const { return Active() && asking_; }
    size_t Index() const { return index_; }
    size_t Count() const { return moves_.size(); }
    // The number of the move practised, 1 the record's first.
    size_t MoveNumber() const { return moves_[index_]; }
    // The engine's best move in the position practised; none when it had none.
    std::optional<Move> BestMove() const;

    // Keeps the game state and ply 1 for the practice of moves, which the analysis of the record
    // must cover; Ask shows the first.
    void Start(const GameRecord& record, const GameAnalysis& analysis, std::vector<size_t> moves);
    // Shows the position before the practised move index and asks again.
    void Ask(size_t index);
    // Judges the move tried and shows it on the board, with the engine's answer when refused;
    // the board waits for Ask.
    RetryVerdict Try(const Move& tried, const SearchLimits& limits = AnalysisLimits);
    // Shows the best move made in the position practised; the board waits for Ask.
    void ShowAnswer();
    // Puts the game state and ply 1 back as they were at Start; the caller redraws.
    void Stop();

private:
    // Makes the moves on ply 1 after the position practised and frames the last.
    void ShowMoves(const std::vector<Move>& moves);

    GameView& view_;
    const GameRecord* record_ = nullptr;
    GameAnalysis analysis_;
    std::vector<size_t> moves_;
    size_t index_ = 0;
    bool asking_ = false;
    GameState saved_;
    std::optional<PlySnapshot> savedPly_;
};
