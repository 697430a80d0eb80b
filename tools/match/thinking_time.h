#pragma once

#include <chrono>
#include <string>

// The time an engine thought over its moves, each from its go sent to its bestmove read: what
// tells whether two engines had equal time, whatever they were told.
struct ThinkingTime {
    std::chrono::microseconds total { 0 };
    int moves = 0;

    void Add(std::chrono::microseconds used)
    {
        total += used;
        ++moves;
    }
    ThinkingTime& operator+=(const ThinkingTime& other)
    {
        total += other.total;
        moves += other.moves;
        return *this;
    }
    // Milliseconds a move; 0 before the first move.
    double AverageMs() const;
};

// "NAME avg 198.3 ms/move" for each of the two, separated by a comma.
std::string DescribeAverages(const std::string names[2], const ThinkingTime times[2]);
