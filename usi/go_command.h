#pragma once

#include "engine/strong/time_manager.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A "go" command's limits, other than "go perft" and "go mate", which take their own arguments.
struct GoCommand {
    GoClock clock;
    int depth = 0; // 0 when not given
    uint64_t nodes = 0;
    bool infinite = false;
    bool ponder = false;
};

// Reads the words after "go"; unknown words are skipped as front ends expect. A limit whose number
// is missing or malformed is left out, with a one-line reason in error: the go is still answered.
GoCommand ReadGoCommand(std::string_view args, std::string& error);

// A whole number of up to digits decimal digits, or nothing.
std::optional<uint64_t> ReadWholeNumber(std::string_view text, size_t digits);
