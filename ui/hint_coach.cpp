#include "hint_coach.h"

#include "game_state.h"
#include "record_keeping.h"

#include <algorithm>

bool HintCoach::Available()
{
    const int opponent = SideIndex(-Game.SideToMove);
    return Game.GameRunning && !Game.ComputerToMove() && Game.ComputerPlays[opponent] != 0;
}

std::string HintCoach::Turn()
{
    return std::to_string(Record.moves.size()) + " " + Record.CurrentSfen();
}

// The same position in a new game, or again after a take back, has no note of hints given.
bool HintCoach::SameTurn() const
{
    return Turn() == turn_
        && (presses_ == 0
            || std::ranges::find(Record.hintedMoves, NextMove()) != Record.hintedMoves.end());
}

std::optional<Hint> HintCoach::Press(Notation notation)
{
    if (!Available())
        return std::nullopt;
    if (!SameTurn()) {
        Stop();
        findings_.reset();
        presses_ = 0;
        turn_ = Turn();
    }
    if (findings_)
        return Give(notation);
    if (!waiting_) {
        search_.Start(Game.SideToMove, *Game.Rules);
        waiting_ = true;
    }
    return std::nullopt;
}

bool HintCoach::Current() const { return presses_ > 0 && Available() && SameTurn(); }

std::optional<Hint> HintCoach::Poll(Notation notation)
{
    if (!waiting_)
        return std::nullopt;
    if (!Available() || !SameTurn()) {
        Stop();
        return std::nullopt;
    }
    if (!search_.Ready())
        return std::nullopt;
    findings_ = search_.Take();
    waiting_ = false;
    return Give(notation);
}

void HintCoach::Stop()
{
    search_.Stop();
    waiting_ = false;
}

Hint HintCoach::Give(Notation notation)
{
    presses_ = std::min(presses_ + 1, int(HintStep::Square));
    // The record notes the move to come as one played with a hint.
    if (std::ranges::find(Record.hintedMoves, NextMove()) == Record.hintedMoves.end())
        Record.hintedMoves.push_back(NextMove());
    return HintFor(*findings_, Game.SideToMove, HintStep(presses_), notation);
}
