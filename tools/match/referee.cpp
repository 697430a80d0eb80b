#include "referee.h"

#include "engine/board/legal_moves.h"
#include "engine/board/search_board.h"
#include "rules/check.h"
#include "rules/repetition.h"
#include "rules/sfen.h"
#include "rules/usi_move.h"

#include <cstring>

namespace {

PositionMark MarkOfPly1(int side)
{
    return { WriteSfen(1, SfenHeader { side, 1 }), IsKingAttacked(1, side) };
}

} // namespace

Referee::Referee(const RefereeRules& rules, const std::string& start)
    : rules_(rules)
{
    SfenHeader header;
    std::string error;
    record_.started = true;
    if (!ReadSfen(start, header, error)) {
        End(GameEnd::Stopped, 0, "bad start position: " + error);
        return;
    }
    std::memcpy(record_.start, Position[1], sizeof record_.start);
    side_ = header.side;
    startMoveNumber_ = header.moveNumber;
    record_.startSide = int8_t(side_);
    record_.startSfen = WriteSfen(1, header);
    history_.push_back(MarkOfPly1(side_));
    JudgePosition();
}

void Referee::Play(std::string_view usi)
{
    if (Over())
        return;
    std::string error;
    const std::optional<Move> move = ReadUsiMove(usi, side_, error);
    if (move && !IsSource(1, side_, move->fromX, move->fromY))
        error = "move '" + std::string(usi) + "' is illegal: no piece of the mover there";
    else if (move) {
        RecordedMove kept = DescribeMove(*move);
        if (PlayUsiMove(usi, side_, error, *rules_.rules)) {
            const int number = startMoveNumber_ + int(record_.moves.size()) + 1;
            kept.after = WriteSfen(1, SfenHeader { -side_, number });
            record_.moves.push_back(std::move(kept));
            side_ = -side_;
            history_.push_back(MarkOfPly1(side_));
            JudgePosition();
            return;
        }
    }
    Forfeit(GameEnd::IllegalMove, "illegal move (" + error + " in " + record_.CurrentSfen() + ")");
}

void Referee::Forfeit(GameEnd end, const std::string& reason)
{
    if (!Over())
        End(end, -side_, reason);
}

void Referee::End(GameEnd end, int winner, const std::string& reason)
{
    record_.end = end;
    record_.winner = winner;
    reason_ = reason;
}

void Referee::JudgePosition()
{
    if (!HasLegalMove(LoadBoard(1, 0), side_, *rules_.rules))
        return End(GameEnd::Mate, -side_, history_.back().inCheck ? "mate" : "no legal move");
    const RepetitionVerdict repetition = JudgeRepetition(
        *rules_.rules, std::span<const PositionMark>(history_), side_, FourfoldRepetition);
    if (repetition.end == RepetitionEnd::PerpetualCheck)
        return End(GameEnd::PerpetualCheck, repetition.winner, "perpetual check");
    if (repetition.end == RepetitionEnd::Repetition)
        return End(GameEnd::Repetition, repetition.winner, "repetition");
    if (int(record_.moves.size()) >= rules_.maxPlies)
        End(GameEnd::MaxLength, 0, "max length");
}
