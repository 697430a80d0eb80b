#pragma once

#include "engine/board/search_board.h"

#include <cstdint>

// Mate by checks: the attacker may only give check; depth counts plies, so FindMate with depth
// 2 or 3 finds a mate in one, 4 or 5 a mate in two. The searches make their moves on search
// boards and change no ply.

// Whether side s, to move on the board, forces mate within the depth, checking with every move.
// True at depth 2 or more also when s could take the enemy king at once.
bool FindMate(const SearchBoard& board, int s, int depth);

// Whether side s, in check and to move on the board, has a reply after which the attacker has no
// forced mate in the remaining depth. Depth 0 or 1: whether s has any legal reply at all.
bool FindEscape(const SearchBoard& board, int s, int depth);

// The same for the position of ply p, as the referee asks after every move played.
bool FindEscape(int p, int s, int depth);

// Mate classes of a candidate move.
inline constexpr int32_t MateAtOnce = 10000;
inline constexpr int32_t MateInTwo = 9000;
inline constexpr int32_t MateInThree = 8000;
inline constexpr int32_t OwnKingLeftAttacked = -11000;

// Classifies the candidate that side s has just made on the board: MateAtOnce, MateInTwo,
// MateInThree, OwnKingLeftAttacked or 0. Searches that could not beat best are skipped.
int32_t ClassifyMateMove(const SearchBoard& board, int s, int32_t best);

// Whether every legal reply of the opponent to side s's move on the board is answered by a
// forced mate in two; true also when there is no legal reply, false when the move left s's own
// king attacked.
bool EveryReplyMated(const SearchBoard& board, int s);
