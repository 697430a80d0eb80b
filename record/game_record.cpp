#include "game_record.h"

#include "rules/make_move.h"
#include "rules/ply_stack.h"
#include "rules/sfen.h"
#include "rules/targets.h"
#include "rules/usi_move.h"

#include <algorithm>
#include <cstdlib>

const std::string& GameRecord::CurrentSfen() const { return SfenAfter(moves.size()); }

const std::string& GameRecord::SfenAfter(size_t n) const
{
    return n == 0 ? startSfen : moves[n - 1].after;
}

std::string GameRecord::UsiPosition(size_t n) const
{
    n = std::min(n, moves.size());
    std::string line = "position sfen " + startSfen;
    if (n > 0)
        line += " moves";
    for (size_t i = 0; i < n; ++i)
        line += " " + WriteUsiMove(moves[i].move);
    return line;
}

RecordedMove DescribeMove(const Move& move)
{
    RecordedMove kept;
    kept.move = move;
    const bool drop = move.fromY > BoardSize;
    kept.type
        = static_cast<int8_t>(drop ? move.fromX : std::abs(Position[1][move.fromX][move.fromY]));
    if (!drop) {
        // The destinations of the source say whether promotion was the mover's choice. Nothing
        // reads the map of ply 1 after a move: the referee empties it.
        GenerateTargets(1, move.fromX, move.fromY);
        kept.promotionOptional = TargetMap[1][move.toX][move.toY] == TargetPromoteOptional;
    }
    return kept;
}

void AppendMove(GameRecord& record, const Move& move, int s)
{
    RecordedMove kept = DescribeMove(move);
    MakeMove(1, move.fromX, move.fromY, move.toX, move.toY, move.promote);
    const int number = static_cast<int>(record.moves.size()) + 2;
    kept.after = WriteSfen(1, SfenHeader { -s, number });
    record.moves.push_back(std::move(kept));
}
