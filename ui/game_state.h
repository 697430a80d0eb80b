#pragma once

#include "game_rules.h"

#include "rules/ply_stack.h"

#include <cstdint>

// The state of the game around the position on ply 1, alive for the whole run.
struct GameState {
    int8_t SideToMove = Sente;
    // [SideIndex(side)]: 1 when the computer plays that side. At most one side is the computer's.
    uint8_t ComputerPlays[SideSlots] = {};
    int8_t Level = 1;
    uint8_t GameRunning = 0;
    // Set while the computer's turn runs, so that timer ticks inside its message boxes return.
    uint8_t ComputerBusy = 0;
    // The cell a person picked last: a board square, or a hand slot (y 6 or 7, x the type).
    struct {
        int8_t x = 0, y = 0;
    } SelectedCell;
    // 1 after an accepted press on the picture; a release picks only while it is set.
    uint8_t PressArmed = 0;
    // Which game is played: Velmora's own, as designed, or standard minishogi. Changed only while
    // no game runs.
    const RuleSet* Rules = &VelmoraRules;

    bool ComputerToMove() const { return ComputerPlays[SideIndex(SideToMove)] != 0; }
};

extern GameState Game;
