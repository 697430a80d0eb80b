#pragma once

#include <string>
#include <vector>

// One position of a game as repetition sees it: board, hands and side to move, and whether the
// side to move is in check there.
struct PositionMark {
    std::string key;
    bool inCheck = false;
};

// The same position for the fourth time ends a minishogi game. A side that gave check in every
// one of its turns since the first of the four loses (both at once: a draw); otherwise Sente,
// the side that moves first, loses.
inline constexpr int RepetitionCount = 4;

struct RepetitionVerdict {
    bool ended = false;
    bool perpetualCheck = false;
    int winner = 0; // the side that wins, 0 for a draw
};

// Judges the last position of the history, whose side to move is sideToMove.
RepetitionVerdict JudgeRepetition(const std::vector<PositionMark>& history, int sideToMove);
