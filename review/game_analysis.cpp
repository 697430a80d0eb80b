#include "game_analysis.h"

#include "engine/board/rules_move.h"
#include "record/kif.h"
#include "record/kif_names.h"
#include "record/replay.h"
#include "rules/ply_snapshot.h"

#include <cassert>
#include <cstdlib>

namespace {

// The best line a comment names, enough for the plan and short enough to read.
constexpr size_t CommentLineMoves = 6;

// What moves, as a written record names it, read off the search board before the move.
RecordedMove DescribeSearchMove(const SearchBoard& b, int s, const SearchMove& m)
{
    RecordedMove kept;
    kept.move = RulesMove(m, s);
    if (m.dropType != 0) {
        kept.type = m.dropType;
        return kept;
    }
    kept.type = static_cast<int8_t>(b.code[m.from] * s);
    kept.promotionOptional = DestinationCode(kept.type, s, m.from, m.to) == TargetPromoteOptional;
    return kept;
}

std::vector<RecordedMove> DescribeLine(GamePosition position, const std::vector<SearchMove>& line)
{
    std::vector<RecordedMove> described;
    for (const SearchMove& m : line) {
        described.push_back(DescribeSearchMove(position.board, position.side, m));
        Play(position.board, position.side, m);
        position.side = -position.side;
    }
    return described;
}

// A line of moves in KIF notation, each with the mark of its mover.
std::string KifLine(
    const std::vector<RecordedMove>& line, size_t count, int s, int previousX, int previousY)
{
    std::string text;
    for (size_t i = 0; i < line.size() && i < count; ++i, s = -s) {
        if (!text.empty())
            text += " ";
        text += std::string(SideMark(s)) + KifMove(line[i], previousX, previousY);
        previousX = line[i].move.toX;
        previousY = line[i].move.toY;
    }
    return text;
}

} // namespace

bool GameAnalysis::Describes(const GameRecord& record) const
{
    return record.started && usiPosition == record.UsiPosition();
}

int GameAnalysis::Loss(size_t n) const
{
    assert(n >= 1 && n < positions.size());
    return MoverOf(n - 1) * (positions[n - 1].score - positions[n].score);
}

std::string GameAnalysis::EvaluationText(size_t position) const
{
    const int score = positions[position].score;
    if (!IsMateScore(score))
        return (score >= 0 ? "+" : "") + std::to_string(score);
    const int plies = MateValue - std::abs(score);
    const std::string_view winner = SideMark(score > 0 ? Sente : Gote);
    return std::string(winner) + (plies == 0 ? "詰み" : "詰" + std::to_string(plies));
}

std::vector<std::string> GameAnalysis::KifComments() const
{
    std::vector<std::string> comments;
    for (size_t i = 0; i < positions.size(); ++i) {
        const PositionAnalysis& p = positions[i];
        std::string comment = "*評価値 " + EvaluationText(i);
        if (!p.line.empty()) {
            comment += " 最善手 " + KifLine(p.line, 1, MoverOf(i), 0, 0);
            comment += " 読み筋 " + KifLine(p.line, CommentLineMoves, MoverOf(i), 0, 0);
        }
        comments.push_back(comment);
    }
    return comments;
}

void GameAnalyser::Start(const GameRecord& record, const RuleSet& rules, const SearchLimits& limits)
{
    Cancel();
    assert(record.started);
    // The positions come off ply 1 as the replay makes them, from the start, so that one after
    // a foul is reached as well; ply 1 is put back for the window.
    const PlySnapshot ply(1);
    jobs_.clear();
    std::vector<PastPosition> history;
    const auto addJob = [&](int s) {
        jobs_.push_back(Job { PositionOfPly(1, s, rules), history });
    };
    const int last = ReplayRecord(record, record.moves.size(), [&](size_t, int s) {
        addJob(s);
        const SearchBoard& board = jobs_.back().position.board;
        history.push_back(PastPosition { HashOf(board, s), KingAttacked(board, s) });
    });
    addJob(last);
    ply.Restore(1);

    analysis_ = GameAnalysis { record.UsiPosition(), record.startSide, {} };
    analysis_.positions.resize(jobs_.size());
    positionsDone_ = 0;
    search_.Start([this, limits](StrongEngine& engine) { Run(engine, limits); });
}

void GameAnalyser::Run(StrongEngine& engine, SearchLimits limits)
{
    // Each analysis starts from nothing learnt, so that a record always gets the same verdict.
    engine.NewGame();
    SearchCallbacks callbacks = search_.StoppableCallbacks(engine);
    std::vector<SearchMove> line;
    callbacks.info = [&](const SearchInfo& info) {
        if (!info.lines.empty())
            line = info.lines.front().moves;
    };
    for (size_t i = 0; i < jobs_.size() && !search_.Stopping(); ++i) {
        const Job& job = jobs_[i];
        const int s = job.position.side;
        PositionAnalysis& found = analysis_.positions[i];
        // After a foul the side to move may take the king: the game is over, and theirs.
        if (KingAttacked(job.position.board, -s)) {
            found.score = s * MateValue;
        } else {
            line.clear();
            const SearchResult result
                = engine.Search(job.position, job.history, limits, SearchSettings {}, callbacks);
            if (!result.hasMove) {
                found.score = -s * MateValue; // no move: the side to move has lost
            } else {
                found.score = s * result.score;
                if (line.empty() || !SameMove(line.front(), result.best))
                    line = { result.best };
                found.line = DescribeLine(job.position, line);
            }
        }
        positionsDone_.fetch_add(1, std::memory_order_relaxed);
    }
}

void GameAnalyser::Cancel()
{
    search_.Stop();
    analysis_ = GameAnalysis {};
    jobs_.clear();
    positionsDone_ = 0;
}

GameAnalysis GameAnalyser::Take()
{
    assert(search_.Running());
    search_.Wait();
    GameAnalysis taken = std::move(analysis_);
    analysis_ = GameAnalysis {};
    jobs_.clear();
    return taken;
}

GameAnalysis AnalyseRecord(
    const GameRecord& record, const RuleSet& rules, const SearchLimits& limits)
{
    GameAnalyser analyser;
    analyser.Start(record, rules, limits);
    return analyser.Take();
}
