#pragma once

#include "game_rules.h"

#include "rules/ply_stack.h"

#include <cstdint>

// The state of the game around the position on ply 1, alive for the whole run.
struct GameState {
    int8_t SideToMove = Sente;
    // [SideIndex(side)]: whether the computer plays that side. At most one side is the computer's.
    bool ComputerPlays[SideSlots] = {};
    int8_t Level = 1;
    bool GameRunning = false;
    // Set while the computer's turn runs, so that timer ticks inside its message boxes return.
    bool ComputerBusy = false;
    // The cell a person picked last: a board square, or a hand slot (y 6 or 7, x the type).
    struct {
        int8_t x = 0, y = 0;
    } SelectedCell;
    // Set by an accepted press on the picture; a release picks only while it is set.
    bool PressArmed = false;
    // Which game is played: Velmora's own, as designed, or standard minishogi. Changed only while
    // no game runs.
    const RuleSet* Rules = &VelmoraRules;

    bool ComputerToMove() const { return ComputerPlays[SideIndex(SideToMove)]; }
};

extern GameState Game;
