#pragma once

#include "game_play.h"
#include "usi_engine.h"

#include "rules/rule_set.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// Everything a match is told on its command line.
struct MatchOptions {
    EngineSetup engines[2];
    const RuleSet* rules = &StandardRules; // or Velmora's own game
    std::string openingsPath;
    int openingCount = 0; // the first this many openings of the file; 0 for all
    int games = 0; // 0 for each opening used once with each engine as Sente
    TimeControl time[2]; // engine 1's, engine 2's
    std::chrono::milliseconds margin = GameTime {}.margin;
    int maxPlies = RefereeRules {}.maxPlies;
    std::string kifDir; // where each game goes as KIF; none when empty
    bool verbose = false; // the engines' traffic and standard error on standard error
};

// A whole number of up to nine digits, or nothing.
std::optional<int> ReadCount(std::string_view text);

// The options from the arguments, or nothing with a one-line reason in error.
std::optional<MatchOptions> ReadMatchOptions(int argc, char** argv, std::string& error);

extern const char* const MatchUsage;
