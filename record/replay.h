#pragma once

#include "game_record.h"

#include <cstddef>
#include <functional>
#include <vector>

// Called before move i of a replay is made on ply 1 by side s.
using BeforeReplayedMove = std::function<void(size_t i, int s)>;

// Makes the first n of the moves on ply 1, side s moving first; returns the side to move after
// them.
int ReplayMoves(const std::vector<RecordedMove>& moves, size_t n, int s,
    const BeforeReplayedMove& before = nullptr);

// Sets ply 1 to the record's start and makes its first n moves there; returns the side to move.
// Replaying from the start reaches every position the record holds, even one after a foul that
// no SFEN reader would take.
int ReplayRecord(const GameRecord& record, size_t n, const BeforeReplayedMove& before = nullptr);
