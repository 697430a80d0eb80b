#pragma once

#include "engine/board/search_board.h"

#include <cstdint>

// Mate by checks: the attacker may only give check; depth counts plies, so FindMate with depth
// 2 or 3 finds a mate in one, 4 or 5 a mate in two. The searches read the position of ply p and
// change no ply: they make their moves on search boards.

// Whether side s, to move at ply p, forces mate within the depth, checking with every move.
// True at depth 2 or more also when s could take the enemy king at once.
bool FindMate(int p, int s, int depth);

// Whether side s, in check and to move at ply p, has a reply after which the attacker has no
// forced mate in the remaining depth. Depth 0 or 1: whether s has any legal reply at all.
bool FindEscape(int p, int s, int depth);

// Mate classes of a candidate move.
inline constexpr int32_t MateAtOnce = 10000;
inline constexpr int32_t MateInTwo = 9000;
inline constexpr int32_t MateInThree = 8000;
inline constexpr int32_t OwnKingLeftAttacked = -11000;

// Classifies the candidate that side s has just made into ply p: MateAtOnce, MateInTwo,
// MateInThree, OwnKingLeftAttacked or 0. Searches that could not beat best are skipped.
int32_t ClassifyMateMove(int p, int s, int32_t best);

// Whether every legal reply of the opponent to side s's move into ply p is answered by a
// forced mate in two; true also when there is no legal reply, false when the move left s's own
// king attacked.
bool EveryReplyMated(int p, int s);

// The same searches on a search board, for callers that already hold one.
bool FindMate(const SearchBoard& board, int s, int depth);
bool FindEscape(const SearchBoard& board, int s, int depth);
int32_t ClassifyMateMove(const SearchBoard& board, int s, int32_t best);
bool EveryReplyMated(const SearchBoard& board, int s);
