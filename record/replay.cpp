#include "replay.h"

#include "rules/make_move.h"
#include "rules/sfen.h"

#include <cassert>
#include <string>

int ReplayMoves(
    const std::vector<RecordedMove>& moves, size_t n, int s, const BeforeReplayedMove& before)
{
    assert(n <= moves.size());
    for (size_t i = 0; i < n; ++i, s = -s) {
        if (before)
            before(i, s);
        const Move& m = moves[i].move;
        MakeMove(1, m.fromX, m.fromY, m.toX, m.toY, m.promote);
    }
    return s;
}

int ReplayRecord(const GameRecord& record, size_t n, const BeforeReplayedMove& before)
{
    SfenHeader header;
    std::string error;
    [[maybe_unused]] const bool read = ReadSfen(record.startSfen, header, error);
    assert(read);
    return ReplayMoves(record.moves, n, header.side, before);
}
