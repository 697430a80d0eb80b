#include "thinking_time.h"

#include <cstdio>

double ThinkingTime::AverageMs() const
{
    return moves == 0 ? 0 : double(total.count()) / 1000 / moves;
}

std::string DescribeAverages(const std::string names[2], const ThinkingTime times[2])
{
    std::string text;
    for (int i = 0; i < 2; ++i) {
        char average[64];
        std::snprintf(average, sizeof average, " avg %.1f ms/move (max %lld)", times[i].AverageMs(),
            static_cast<long long>(times[i].longest.count() / 1000));
        text += (i == 0 ? "" : ", ") + names[i] + average;
    }
    return text;
}
