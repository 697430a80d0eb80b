#pragma once

#include "rules/moves.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How a game ended, as the record tells it.
enum class GameEnd {
    Running, // not ended yet
    Mate,
    OwnKingLeftAttacked, // the last move left the mover's own king attacked
    Resignation, // the side to move resigned
    Stopped, // "Stop" was pressed
    // Endings of games between engines, which the window never reaches.
    TimeForfeit, // the side to move overstepped its time
    IllegalMove, // the side to move sent a move the rules refuse
    Repetition, // the same position for the fourth time; winner 0 for a draw
    PerpetualCheck, // a fourfold repetition in which one side checked throughout, and lost
    MaxLength, // a draw at the greatest number of moves a game may have
};

// One move made on ply 1, with what a written record needs to name it.
struct RecordedMove {
    Move move;
    int8_t type = 0; // the type that moved (before promoting), or the type dropped
    bool promotionOptional = false; // the mover chose whether to promote
    std::string after; // the position after the move, in SFEN

    friend bool operator==(const RecordedMove&, const RecordedMove&) = default;
};

// The game since the last "Play": its start and every move made on ply 1. It outlives the game,
// so the last one can still be copied or saved until the next "Play".
struct GameRecord {
    bool started = false; // false until the first "Play"
    int8_t start[BoardSize + 1][GridRows + 1] = {}; // the start position, as on ply 1
    int8_t startSide = Sente;
    std::string startSfen;
    bool computerPlays[SideSlots] = {}; // the players, which a game cannot change
    // Who played each side, as a record names them; empty for the window's "Com" and "You".
    std::string playerNames[SideSlots];
    int level = 1;
    std::vector<RecordedMove> moves;
    GameEnd end = GameEnd::Running;
    int winner = 0; // the winning side once the game has ended, 0 when stopped
    // The moves (from 1) a person played after asking for a hint; one past the last move while
    // the hinted move is still to come.
    std::vector<size_t> hintedMoves;

    // The position the game has reached, in SFEN.
    const std::string& CurrentSfen() const;
    // The position after the first n moves, in SFEN.
    const std::string& SfenAfter(size_t n) const;
    // The game as a USI engine reads it: "position sfen <start> moves <move> ...", up to move n.
    std::string UsiPosition(size_t n = SIZE_MAX) const;

    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// What a record keeps of a move of ply 1 before it is made: the type that moves and whether
// promoting is the mover's choice; the position after it is the caller's to add. The move's
// source must be a piece or a non-empty hand slot of the mover.
RecordedMove DescribeMove(const Move& move);
// Makes the move of side s on ply 1 and appends it to the record.
void AppendMove(GameRecord& record, const Move& move, int s);
