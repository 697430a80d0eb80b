#pragma once

#include "engine/board/game_position.h"
#include "rules/moves.h"

#include <cstdint>

// The forced-mate pass plays a mate at once, in two or in three.
inline constexpr int32_t ForcedMateThreshold = 6000;
// Below this the computer resigns; exactly this is still played.
inline constexpr int32_t ResignThreshold = -5000;
// Scores of candidates that lose to a mate by checks, or win by one after every reply.
inline constexpr int32_t OpponentMatesInOne = -9000;
inline constexpr int32_t OpponentMatesInTwo = -8000;
inline constexpr int32_t EveryReplyLoses = 5000;
// A searched candidate's score gets a draw below this from the generator.
inline constexpr int RandomSpread = 5;
// The plies of the tree search after a candidate: the reply, the answer and the leaf.
inline constexpr int32_t TreeDepth = 3;
// How deep a decision looks: the candidate move and the tree search below it.
inline constexpr int DecisionDepth = 1 + TreeDepth;

// What the computer does on its turn: play a move, or resign.
struct ComputerDecision {
    bool resigns = false;
    bool forcedMate = false; // chosen by the forced-mate pass
    Move move; // the move to play on ply 1 when it does not resign
    int32_t score = 0; // the mate class (10000, 9000, 8000) or the candidate's score
};

// Scores the position that side s has just produced with a candidate move, the board's material
// counted from Sente's side: the score the decision ranks that candidate by.
int32_t ScoreCandidate(const SearchBoard& board, int s);

// The forced-mate pass: the best mate class over the candidates of the side to move, with its
// move. The class is below 6000 when no forced mate by checks was found.
ComputerDecision ChooseForcedMate(const GamePosition& position);

// The computer's whole decision for the side to move in a position that play reaches (the side
// not to move is not in check): the window and the engine program both call this, with the
// position of ply 1. Where the rules forbid a pawn drop that gives mate (standard minishogi) such
// a drop is no candidate; the searches below the candidates still count such drops as the
// window's game does, so the only change is that the computer never plays one.
ComputerDecision DecideComputerMove(const GamePosition& position);
