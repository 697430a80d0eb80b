#include "game_review.h"

#include "engine/board/rules_move.h"
#include "engine/strong/static_exchange.h"
#include "rules/ply_snapshot.h"
#include "rules/sfen.h"
#include "rules/usi_move.h"

#include <algorithm>
#include <cassert>

namespace {

// How far along the best reply a lost piece is looked for.
constexpr size_t LossHorizonPlies = 3;

std::string SquareText(int square) { return SquareName(XOf(square), YOf(square)); }

std::vector<std::string> UsiLine(const std::vector<RecordedMove>& line, size_t count)
{
    std::vector<std::string> moves;
    for (size_t i = 0; i < line.size() && i < count; ++i)
        moves.push_back(WriteUsiMove(line[i].move));
    return moves;
}

// The position before each move of the record and the one it reached, on search boards.
std::vector<GamePosition> PositionsOf(const GameRecord& record, const RuleSet& rules)
{
    const PlySnapshot ply(1);
    SfenHeader header;
    std::string error;
    [[maybe_unused]] const bool read = ReadSfen(record.startSfen, header, error);
    assert(read);
    std::vector<GamePosition> positions { PositionOfPly(1, header.side, rules) };
    ply.Restore(1);
    for (const RecordedMove& recorded : record.moves) {
        GamePosition next = positions.back();
        Play(next.board, next.side, SearchMoveOf(recorded.move));
        next.side = -next.side;
        positions.push_back(next);
    }
    return positions;
}

// The type of side s's piece that the board move takes, 0 for none.
int TakenFrom(const SearchBoard& b, int s, const SearchMove& m)
{
    return m.dropType == 0 ? b.code[m.to] * s : 0;
}

// What the mover took and lost along the move and the best line after it.
struct Captures {
    std::vector<int> taken, lost;
};

int ValueOf(const std::vector<int>& types)
{
    int sum = 0;
    for (const int type : types)
        sum += ExchangeValue[type];
    return sum;
}

// The most valuable piece the mover lost and did not take back in kind, 0 when the mover came
// out even or ahead.
int NetLostPiece(Captures c)
{
    if (ValueOf(c.lost) <= ValueOf(c.taken))
        return 0;
    for (const int type : c.taken)
        if (const auto same = std::find(c.lost.begin(), c.lost.end(), type); same != c.lost.end())
            c.lost.erase(same);
    int worst = 0;
    for (const int type : c.lost)
        if (worst == 0 || ExchangeValue[type] > ExchangeValue[worst])
            worst = type;
    return worst;
}

class Explainer {
public:
    Explainer(const GameRecord& record, const GameAnalysis& analysis, const RuleSet& rules)
        : record_(record)
        , analysis_(analysis)
        , positions_(PositionsOf(record, rules))
    {
    }

    Explanation Explain(size_t n) const
    {
        Explanation e;
        e.move = WriteUsiMove(record_.moves[n - 1].move);
        const int mover = analysis_.MoverOf(n - 1);
        const int before = mover * analysis_.positions[n - 1].score;
        const int after = mover * analysis_.positions[n].score;
        const std::vector<RecordedMove>& bestLine = analysis_.positions[n - 1].line;
        const std::vector<RecordedMove>& replyLine = analysis_.positions[n].line;
        if (MatePliesOf(before) > 0 && MatePliesOf(after) <= 0) {
            e.reason = Reason::MissedMate;
            e.matePlies = MatePliesOf(before);
            e.line = MateLine(positions_[n - 1], bestLine, e.matePlies);
        } else if (MatePliesOf(after) < 0 && MatePliesOf(before) >= 0) {
            e.reason = Reason::AllowedMate;
            e.matePlies = -MatePliesOf(after);
            e.line = MateLine(positions_[n], replyLine, e.matePlies);
        } else if (!ExplainExchange(n, mover, e) && !ExplainLostPiece(n, mover, e)
            && !ExplainMissedCapture(n, mover, e)) {
            e.reason = Reason::ChanceFell;
            e.chanceBefore = WinningChance(before);
            e.chanceAfter = WinningChance(after);
        }
        return e;
    }

private:
    // The best reply takes a piece and the exchange on its square proves the loss: either the
    // move itself started an exchange there that loses, or it left a piece to be won.
    bool ExplainExchange(size_t n, int mover, Explanation& e) const
    {
        const std::vector<RecordedMove>& replyLine = analysis_.positions[n].line;
        if (replyLine.empty())
            return false;
        const SearchMove played = SearchMoveOf(record_.moves[n - 1].move);
        const SearchMove reply = SearchMoveOf(replyLine.front().move);
        const SearchBoard& before = positions_[n - 1].board;
        const SearchBoard& after = positions_[n].board;
        const int lost = TakenFrom(after, mover, reply);
        if (lost <= 0)
            return false;
        const int captured = TakenFrom(before, -mover, played);
        if (captured > 0 && played.to == reply.to) {
            if (ExchangeAtLeast(before, mover, played, 0))
                return false;
            e.reason = Reason::LostExchange;
            e.capturedType = captured;
        } else if (ExchangeAtLeast(after, -mover, reply, 1)) {
            e.reason = Reason::LeftHanging;
        } else {
            return false;
        }
        e.pieceType = lost;
        e.square = SquareText(reply.to);
        e.reply = WriteUsiMove(replyLine.front().move);
        return true;
    }

    // Along the move and the best line after it the mover ends a piece down.
    bool ExplainLostPiece(size_t n, int mover, Explanation& e) const
    {
        const std::vector<RecordedMove>& replyLine = analysis_.positions[n].line;
        Captures captures;
        SearchBoard board = positions_[n - 1].board;
        int s = mover;
        auto play = [&](const Move& m) {
            const SearchMove move = SearchMoveOf(m);
            if (const int taken = TakenFrom(board, -s, move); taken > 0)
                (s == mover ? captures.taken : captures.lost).push_back(taken);
            Play(board, s, move);
            s = -s;
        };
        play(record_.moves[n - 1].move);
        const std::vector<std::string> line = UsiLine(replyLine, LossHorizonPlies);
        for (size_t i = 0; i < line.size(); ++i)
            play(replyLine[i].move);
        const int piece = NetLostPiece(captures);
        if (piece == 0)
            return false;
        e.reason = Reason::LosesPiece;
        e.pieceType = piece;
        e.line = line;
        return true;
    }

    // The best move would have taken a piece and won the exchange on its square, and the move
    // played took nothing there.
    bool ExplainMissedCapture(size_t n, int mover, Explanation& e) const
    {
        const std::vector<RecordedMove>& bestLine = analysis_.positions[n - 1].line;
        if (bestLine.empty())
            return false;
        const SearchMove best = SearchMoveOf(bestLine.front().move);
        const SearchMove played = SearchMoveOf(record_.moves[n - 1].move);
        const SearchBoard& before = positions_[n - 1].board;
        const int missed = TakenFrom(before, -mover, best);
        if (missed <= 0 || played.to == best.to || !ExchangeAtLeast(before, mover, best, 1))
            return false;
        e.reason = Reason::MissedCapture;
        e.pieceType = missed;
        e.square = SquareText(best.to);
        e.reply = WriteUsiMove(bestLine.front().move);
        return true;
    }

    // The mate from the position in USI moves: the analysis' line, which the search may have cut
    // short, carried on to the mate by searches just deep enough for the mate that remains.
    static std::vector<std::string> MateLine(
        GamePosition position, const std::vector<RecordedMove>& line, int plies)
    {
        std::vector<std::string> moves;
        for (size_t i = 0; i < line.size() && moves.size() < size_t(plies); ++i) {
            moves.push_back(WriteUsiMove(line[i].move));
            Play(position.board, position.side, SearchMoveOf(line[i].move));
            position.side = -position.side;
        }
        StrongEngine engine(1);
        for (int left = plies - int(moves.size()); left > 0; --left) {
            const SearchLimits limits { left, 0, false, {}, false };
            const SearchResult found = engine.Search(position, {}, limits, SearchSettings {}, {});
            // The side to move mates in left plies when left is odd, is mated in them otherwise.
            const int expected = left % 2 == 1 ? left : -left;
            if (!found.hasMove || MatePliesOf(found.score) != expected)
                break;
            moves.push_back(WriteUsiMove(RulesMove(found.best, position.side)));
            Play(position.board, position.side, found.best);
            position.side = -position.side;
        }
        return moves;
    }

    const GameRecord& record_;
    const GameAnalysis& analysis_;
    std::vector<GamePosition> positions_;
};

} // namespace

SearchMove SearchMoveOf(const Move& m)
{
    const auto to = int8_t(SquareAt(m.toX, m.toY));
    if (m.fromY > BoardSize)
        return SearchMove { 0, to, m.fromX, 0 };
    return SearchMove { int8_t(SquareAt(m.fromX, m.fromY)), to, 0, m.promote };
}

double ChanceLost(const GameAnalysis& analysis, size_t n)
{
    const int mover = analysis.MoverOf(n - 1);
    return WinningChance(mover * analysis.positions[n - 1].score)
        - WinningChance(mover * analysis.positions[n].score);
}

GameReview ReviewGame(const GameRecord& record, const GameAnalysis& analysis, const RuleSet& rules)
{
    assert(analysis.positions.size() == record.moves.size() + 1);
    const Explainer explainer(record, analysis, rules);
    GameReview review;
    review.sides[SideIndex(Sente)].side = Sente;
    review.sides[SideIndex(Gote)].side = Gote;
    for (size_t n = 1; n <= record.moves.size(); ++n) {
        ReviewedMove m;
        m.number = n;
        m.side = analysis.MoverOf(n - 1);
        m.move = WriteUsiMove(record.moves[n - 1].move);
        m.loss = ChanceLost(analysis, n);
        m.judgement = Judge(m.loss);
        const std::vector<RecordedMove>& best = analysis.positions[n - 1].line;
        if (!best.empty() && best.front().move != record.moves[n - 1].move)
            m.better = WriteUsiMove(best.front().move);
        ++review.sides[SideIndex(m.side)].counts[size_t(m.judgement)];
        if (m.judgement != Judgement::Good)
            review.judged.push_back(m);
    }
    for (SideReview& side : review.sides) {
        for (const ReviewedMove& m : review.judged)
            if (m.side == side.side)
                side.worst.push_back(m);
        std::stable_sort(side.worst.begin(), side.worst.end(),
            [](const ReviewedMove& a, const ReviewedMove& b) { return a.loss > b.loss; });
        if (side.worst.size() > WorstMomentsPerSide)
            side.worst.resize(WorstMomentsPerSide);
        for (ReviewedMove& m : side.worst)
            m.explanation = explainer.Explain(m.number);
    }
    return review;
}
