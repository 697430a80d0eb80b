#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// How an engine is told its time. A fixed time a move is sent as "go movetime", which engines
// think on in full, or as "go btime 0 wtime 0 byoyomi", the form shogi front ends send, which
// some engines (Fairy-Stockfish 11.1) read as a budget to stay well inside. A clock runs for the
// whole game with an increment after each move. A node count is a measure the machine's load
// does not change.
enum class TimeMode { MoveTime, Byoyomi, Clock, Nodes };

struct TimeControl {
    TimeMode mode = TimeMode::MoveTime;
    std::chrono::milliseconds move { 100 }; // MoveTime and Byoyomi
    std::chrono::milliseconds base { 0 }; // Clock: for the game
    std::chrono::milliseconds increment { 0 }; // Clock: after each move
    uint64_t nodes = 0; // Nodes
};

// Both clocks of a game on a clock, Sente's first.
struct GameClocks {
    std::chrono::milliseconds left[2] {};
    std::chrono::milliseconds increment[2] {};
};

// The go line for the engine to move. A clock shows both sides' times and increments in USI's
// order, or the other way round for an engine that reads them so.
std::string GoLine(const TimeControl& time, const GameClocks& clocks, bool swapClocks);

// The time control in a few words, such as "movetime 200 ms a move" or "10 s + 0.1 s a game".
std::string DescribeTimeControl(const TimeControl& time);
