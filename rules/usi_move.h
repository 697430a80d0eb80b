#pragma once

#include "moves.h"
#include "rule_set.h"

#include <optional>
#include <string>
#include <string_view>

// Reads a USI move ("1e2d", "2b2a+", "P*3c") for side s: syntax only, the rules are
// JudgeMove's. Returns nothing, with a one-line reason in error, for malformed text.
std::optional<Move> ReadUsiMove(std::string_view text, int s, std::string& error);

std::string WriteUsiMove(const Move& move);

// The USI name of the board square (x, y): "5a" for (1, 1) to "1e" for (5, 5).
std::string SquareName(int x, int y);

// Reads the move and checks it against ply 1 with side s to move under the rules; on success
// plays it on ply 1. Otherwise ply 1 is unchanged and error says why.
bool PlayUsiMove(std::string_view text, int s, std::string& error, const RuleSet& rules);
