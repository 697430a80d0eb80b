#include "mistake_practice.h"

#include "game_control.h"

#include "engine/board/rules_move.h"
#include "record/replay.h"
#include "rules/make_move.h"

#include <cassert>

namespace {

struct PositionAndHistory {
    GamePosition position;
    std::vector<PastPosition> history; // the positions before it, as a repetition sees them
};

// The position before move n, with the positions before it, read off ply 1 as the analysis
// reads them; ply 1 is put back.
PositionAndHistory PositionBefore(const GameRecord& record, const RuleSet& rules, size_t n)
{
    const PlySnapshot ply(1);
    PositionAndHistory found;
    const int s = ReplayRecord(record, n - 1, [&](size_t, int mover) {
        const GamePosition position = PositionOfPly(1, mover, rules);
        found.history.push_back(
            PastPosition { HashOf(position.board, mover), KingAttacked(position.board, mover) });
    });
    found.position = PositionOfPly(1, s, rules);
    ply.Restore(1);
    return found;
}

} // namespace

RetryVerdict JudgeRetry(const GameRecord& record, const GameAnalysis& analysis,
    const RuleSet& rules, size_t n, const Move& tried, const SearchLimits& limits)
{
    assert(n >= 1 && n < analysis.positions.size());
    RetryVerdict verdict;
    verdict.tried = tried;
    const int mover = analysis.MoverOf(n - 1);
    verdict.bestChance = WinningChance(mover * analysis.positions[n - 1].score);
    const std::vector<RecordedMove>& best = analysis.positions[n - 1].line;
    if (!best.empty() && best.front().move == tried) {
        verdict.accepted = true;
        verdict.chance = verdict.bestChance;
        return verdict;
    }
    PositionAndHistory before = PositionBefore(record, rules, n);
    GamePosition after = before.position;
    before.history.push_back(
        PastPosition { HashOf(after.board, mover), KingAttacked(after.board, mover) });
    Play(after.board, mover, SearchMoveOf(tried));
    after.side = -mover;
    if (KingAttacked(after.board, mover)) {
        verdict.chance = -1; // the mover left its own king to be taken: the game is lost
    } else {
        StrongEngine engine;
        const SearchResult found = engine.Search(after, before.history, limits, {}, {});
        if (!found.hasMove) {
            verdict.chance = 1; // the opponent has no move left: it has lost
        } else {
            verdict.chance = WinningChance(-found.score);
            verdict.reply = RulesMove(found.best, -mover);
        }
    }
    verdict.accepted = verdict.bestChance - verdict.chance <= RetryTolerance;
    return verdict;
}

std::vector<size_t> MistakesOf(const GameReview& review, int side)
{
    std::vector<size_t> numbers;
    for (const ReviewedMove& m : review.judged)
        if (m.side == side)
            numbers.push_back(m.number);
    return numbers;
}

std::optional<Move> MistakePractice::BestMove() const
{
    const std::vector<RecordedMove>& line = analysis_.positions[MoveNumber() - 1].line;
    if (line.empty())
        return std::nullopt;
    return line.front().move;
}

void MistakePractice::Start(
    const GameRecord& record, const GameAnalysis& analysis, std::vector<size_t> moves)
{
    assert(!moves.empty() && !Active());
    record_ = &record;
    analysis_ = analysis;
    moves_ = std::move(moves);
    saved_ = Game;
    savedPly_.emplace(1);
}

void MistakePractice::Ask(size_t index)
{
    assert(index < moves_.size());
    index_ = index;
    const size_t n = MoveNumber();
    Game.SideToMove = static_cast<int8_t>(ReplayRecord(*record_, n - 1));
    // Both sides are the person's: no computer answers the move, which the view takes anyway.
    Game.ComputerPlays[0] = Game.ComputerPlays[1] = 0;
    Game.ComputerBusy = 0;
    Game.PressArmed = 0;
    Game.GameRunning = 1;
    asking_ = true;
    ClearTargets();
    view_.DrawPosition(1);
    if (n > 1) {
        const Move& last = record_->moves[n - 2].move;
        view_.MarkCell(last.fromX, last.fromY);
        view_.MarkCell(last.toX, last.toY);
    }
}

RetryVerdict MistakePractice::Try(const Move& tried, const SearchLimits& limits)
{
    const RetryVerdict verdict
        = JudgeRetry(*record_, analysis_, *saved_.Rules, MoveNumber(), tried, limits);
    std::vector<Move> shown { tried };
    if (!verdict.accepted && verdict.reply)
        shown.push_back(*verdict.reply);
    ShowMoves(shown);
    return verdict;
}

void MistakePractice::ShowAnswer()
{
    if (const std::optional<Move> best = BestMove())
        ShowMoves({ *best });
}

void MistakePractice::ShowMoves(const std::vector<Move>& moves)
{
    Game.SideToMove = static_cast<int8_t>(ReplayRecord(*record_, MoveNumber() - 1));
    asking_ = false;
    ClearTargets();
    const Move* previous = MoveNumber() > 1 ? &record_->moves[MoveNumber() - 2].move : nullptr;
    for (const Move& m : moves) {
        view_.MoveComing(m, previous);
        MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
        Game.SideToMove = static_cast<int8_t>(-Game.SideToMove);
        previous = &m;
    }
    view_.DrawPosition(1);
    view_.MarkCell(moves.back().fromX, moves.back().fromY);
    view_.MarkCell(moves.back().toX, moves.back().toY);
}

void MistakePractice::Stop()
{
    if (!Active())
        return;
    Game = saved_;
    savedPly_->Restore(1);
    savedPly_.reset();
    ClearTargets();
    moves_.clear();
    index_ = 0;
    asking_ = false;
}
