#pragma once

#include <algorithm>
#include <chrono>
#include <string>

// The time an engine thought over its moves, each from its go sent to its bestmove read: what
// tells whether two engines had equal time, whatever they were told.
struct ThinkingTime {
    std::chrono::microseconds total { 0 };
    std::chrono::microseconds longest { 0 };
    int moves = 0;

    void Add(std::chrono::microseconds used)
    {
        total += used;
        longest = std::max(longest, used);
        ++moves;
    }
    ThinkingTime& operator+=(const ThinkingTime& other)
    {
        total += other.total;
        longest = std::max(longest, other.longest);
        moves += other.moves;
        return *this;
    }
    // Milliseconds a move; 0 before the first move.
    double AverageMs() const;
};

// "NAME avg 198.3 ms/move (max 215)" for each of the two, separated by a comma; the longest
// move shows how close an engine came to losing on time.
std::string DescribeAverages(const std::string names[2], const ThinkingTime times[2]);
