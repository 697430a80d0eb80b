#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

// The options the engine program offers a front end, besides USI_Variant.
struct EngineOptions {
    bool classic = false; // Computer: the window's computer rather than the strong search
    int hashMegabytes = 64; // USI_Hash
    int threads = 1;
    int multiPV = 1;
    bool ponder = false; // USI_Ponder: the front end may send go ponder
    int skill = 20; // SkillLevel
    int moveOverhead = 30; // MoveOverhead: milliseconds kept back for the answer to travel
};

// Writes the "option name …" lines of the usi answer.
void WriteOptionLines(std::ostream& out);

enum class OptionResult { Set, HashChanged, Unknown, BadValue };

// Sets the named option (any case) from its value; error says why a value was refused.
OptionResult SetEngineOption(
    EngineOptions& options, std::string_view name, std::string_view value, std::string& error);
