#pragma once

#include "moves.h"

#include <optional>
#include <string>
#include <string_view>

// Reads a USI move ("1e2d", "2b2a+", "P*3c") for side s: syntax only, the rules are
// IsLegalMove's. Returns nothing, with a one-line reason in error, for malformed text.
std::optional<Move> ReadUsiMove(std::string_view text, int s, std::string& error);

std::string WriteUsiMove(const Move& move);

// Reads the move and checks it against ply 1 with side s to move; on success plays it on
// ply 1. Otherwise ply 1 is unchanged and error says why. Without pawnDropMateLegal (standard
// minishogi) a pawn drop that gives mate is refused.
bool PlayUsiMove(std::string_view text, int s, std::string& error, bool pawnDropMateLegal = true);
