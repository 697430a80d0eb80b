#pragma once

#include <cstdint>

// The two games the window plays: Velmora's own, as designed, and standard minishogi, which
// starts from the mirrored position and forbids a pawn drop that gives mate.
enum class GameRules : uint8_t { Velmora, Standard };

inline bool PawnDropMateLegal(GameRules rules) { return rules == GameRules::Velmora; }

// Writes the start of the rules at the handicap level into ply 1 with its king squares: the
// levels take the bottom side's bishop, then its rook, off the board wherever they stand.
void SetUpStart(GameRules rules, int level);
