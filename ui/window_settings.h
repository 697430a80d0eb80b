#pragma once

#include "game_session.h"
#include "notation.h"

#include "rules/rule_set.h"

#include <string>
#include <string_view>

// The strong computer's thinking times the window offers, shortest first.
inline constexpr int ThinkingTimesMs[] = { 1000, 3000, 10000 };
// No screen is wider than 40 designed windows (7680 / 193): a larger stored zoom is no zoom.
inline constexpr int LargestZoom = 40;

// What the window keeps between runs, as it is stored: each value a number or a short name, so a
// person can read and edit the file. The defaults are the designed window.
struct WindowSettings {
    int zoom = 1;
    std::string rules = "velmora"; // "velmora" or "standard"
    std::string computer = "classic"; // "classic", or a rung of ComputerLadder: "strong", ...
    int thinkingMs = int(DefaultStrongThinkingMs); // one of ThinkingTimesMs
    std::string notation = "english"; // how moves are spoken: "english", "japanese" or "usi"

    friend bool operator==(const WindowSettings&, const WindowSettings&) = default;
};

// The settings read from a file, with every value that is out of range or unknown back at its
// default, so a settings file edited by hand or damaged never reaches the window.
WindowSettings ValidSettings(const WindowSettings& stored);

// The stored names of the rules and the computers, and the ones they name.
std::string_view RulesName(const RuleSet& rules);
const RuleSet& RulesNamed(std::string_view name);
std::string_view ComputerName(Computer computer);
Computer ComputerNamed(std::string_view name);
// The strong computer's rungs by their stored names; an unknown name is full strength.
std::string_view LevelName(size_t rung);
size_t LevelNamed(std::string_view name);
std::string_view NotationName(Notation notation);
Notation NotationNamed(std::string_view name);
