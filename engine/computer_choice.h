#pragma once

#include "rules/moves.h"

#include <cstdint>

// What the computer does on its turn: play a move, or resign.
struct ComputerDecision {
    bool resigns = false;
    bool forcedMate = false; // chosen by the forced-mate pass
    Move move; // the move to play on ply 1 when it does not resign
    int32_t score = 0; // the mate class (10000, 9000, 8000) or the candidate's score
};

// Scores the position of ply p that side s has just produced with a candidate move.
int32_t ScoreCandidate(int p, int s);

// The forced-mate pass: the best mate class over the candidates of side s on ply 1, with its move.
// The class is below 6000 when no forced mate by checks was found.
ComputerDecision ChooseForcedMate(int s, bool pawnDropMateLegal = true);

// The computer's whole decision for side s to move on ply 1: the window and the engine program
// both call this. Ply 1 is left as it was. Without pawnDropMateLegal (standard minishogi) a pawn
// drop that gives mate is no candidate; the searches below the candidates still count such drops
// as the window's game does, so the only change is that the computer never plays one.
ComputerDecision DecideComputerMove(int s, bool pawnDropMateLegal = true);
