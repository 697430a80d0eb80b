#pragma once

#include "rules/rule_set.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a USI "position" line names: a start and the moves made from it, not yet read.
struct PositionLine {
    std::string sfen; // the start; "startpos" stands for the start of the rules
    std::vector<std::string_view> moves; // USI moves as written, views into the line
};

// Reads what follows "position": "startpos" or "sfen <SFEN>", then "moves <move> ..." when there
// are moves. Nothing, with a one-line reason in error, when the words say neither.
std::optional<PositionLine> ReadPositionLine(
    std::string_view args, const RuleSet& rules, std::string& error);

// Reads "<SFEN> [moves <move> ...]", what follows "position sfen".
std::optional<PositionLine> ReadSfenAndMoves(std::string_view text, std::string& error);
