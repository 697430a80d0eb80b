#include "time_control.h"

#include <algorithm>
#include <cstdio>

namespace {

using std::chrono::milliseconds;

// A clock that ran over inside the margin is shown empty, not negative.
std::string Shown(milliseconds time)
{
    return std::to_string(std::max<long long>(time.count(), 0));
}

std::string Seconds(milliseconds time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", double(time.count()) / 1000);
    return text;
}

} // namespace

std::string GoLine(const TimeControl& time, const GameClocks& clocks, bool swapClocks)
{
    switch (time.mode) {
    case TimeMode::MoveTime:
        return "go movetime " + std::to_string(time.move.count());
    case TimeMode::Byoyomi:
        return "go btime 0 wtime 0 byoyomi " + std::to_string(time.move.count());
    case TimeMode::Nodes:
        return "go nodes " + std::to_string(time.nodes);
    case TimeMode::Clock:
        break;
    }
    const int sente = swapClocks ? 1 : 0, gote = 1 - sente;
    return "go btime " + Shown(clocks.left[sente]) + " wtime " + Shown(clocks.left[gote]) + " binc "
        + Shown(clocks.increment[sente]) + " winc " + Shown(clocks.increment[gote]);
}

std::string DescribeTimeControl(const TimeControl& time)
{
    switch (time.mode) {
    case TimeMode::MoveTime:
        return "movetime " + std::to_string(time.move.count()) + " ms a move";
    case TimeMode::Byoyomi:
        return "byoyomi " + std::to_string(time.move.count()) + " ms a move";
    case TimeMode::Nodes:
        return std::to_string(time.nodes) + " nodes a move";
    case TimeMode::Clock:
        break;
    }
    return Seconds(time.base) + " s + " + Seconds(time.increment) + " s a game";
}
