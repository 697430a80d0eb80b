#pragma once

#include "pieces.h"
#include "rule_set.h"

#include <cstddef>
#include <span>

// Standard minishogi ends a game the fourth time the same position comes up.
inline constexpr int FourfoldRepetition = 4;

// What a position that has come up again means for the game.
enum class RepetitionEnd {
    None, // not repeated often enough, or the rules let the game go on
    Repetition, // the repetition itself decides
    PerpetualCheck, // one side checked on every move of the cycle and loses
};

struct RepetitionVerdict {
    bool repeated = false; // the position has come up the times asked for
    RepetitionEnd end = RepetitionEnd::None;
    int winner = 0; // the side that wins, 0 for a draw
};

// What a cycle of the game means under the rules: the side that just moved and the side to move
// each either checked on every one of their moves in it or not. Under standard minishogi a side
// that checked throughout loses (both at once: a draw); otherwise Sente, who moves first, loses.
constexpr RepetitionVerdict JudgeCycle(
    const RuleSet& rules, int sideToMove, bool justMovedChecked, bool toMoveChecked)
{
    switch (rules.repetition) {
    case RepetitionRule::None:
        break;
    case RepetitionRule::FourfoldLosesForSente:
        if (justMovedChecked != toMoveChecked)
            return { true, RepetitionEnd::PerpetualCheck,
                justMovedChecked ? sideToMove : -sideToMove };
        return { true, RepetitionEnd::Repetition, justMovedChecked ? 0 : Gote };
    }
    return { true, RepetitionEnd::None, 0 };
}

// Judges the last position of a game, whose side to move is sideToMove, if it is there for the
// `times`-th time among the positions of history (oldest first, the last one included). A mark
// holds a key of the position (board, hands and side to move) and whether the side to move is in
// check there. The search asks with a short history and twice; a game's referee with all of it.
template <typename Mark>
RepetitionVerdict JudgeRepetition(
    const RuleSet& rules, std::span<const Mark> history, int sideToMove, int times)
{
    if (history.empty())
        return {};
    const size_t last = history.size() - 1;
    // A key holds the side to move, so a position comes back an even number of plies later, and
    // never after two: a move cannot undo the opponent's.
    int seen = 1;
    size_t back = 2;
    while (seen < times && back + 2 <= last) {
        back += 2;
        if (history[last - back].key == history[last].key)
            ++seen;
    }
    if (seen < times)
        return {};
    bool justMovedChecked = true, toMoveChecked = true;
    for (size_t i = 0; i < back; ++i) {
        if (i % 2 == 0)
            justMovedChecked = justMovedChecked && history[last - i].inCheck;
        else
            toMoveChecked = toMoveChecked && history[last - i].inCheck;
    }
    return JudgeCycle(rules, sideToMove, justMovedChecked, toMoveChecked);
}
