#include "repetition.h"

#include "rules/pieces.h"

namespace {

// Whether the side to move is in check in every position from first to last, stepping by two.
bool CheckedThroughout(const std::vector<PositionMark>& history, size_t first, size_t last)
{
    for (size_t i = first; i <= last; i += 2)
        if (!history[i].inCheck)
            return false;
    return true;
}

} // namespace

RepetitionVerdict JudgeRepetition(const std::vector<PositionMark>& history, int sideToMove)
{
    if (history.empty())
        return {};
    const size_t last = history.size() - 1;
    // A key holds the side to move, so its earlier occurrences lie an even number of plies back.
    size_t first = last;
    int seen = 1;
    for (size_t i = last; i >= 2 && seen < RepetitionCount;) {
        i -= 2;
        if (history[i].key == history[last].key) {
            first = i;
            ++seen;
        }
    }
    if (seen < RepetitionCount)
        return {};
    // The side that has just moved checks in the positions with the side to move as now; the
    // side to move checks in the positions between them.
    const bool justMovedChecks = CheckedThroughout(history, first, last);
    const bool toMoveChecks = CheckedThroughout(history, first + 1, last - 1);
    if (justMovedChecks != toMoveChecks)
        return { true, true, justMovedChecks ? sideToMove : -sideToMove };
    return { true, false, justMovedChecks ? 0 : Gote };
}
