#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One rung of the ladder of opponents: the strong search held back by its skill level (fewer
// plies of sight and a judgement that strays by a fixed amount in each position) and given a
// thinking time of its own.
struct ComputerLevel {
    std::string_view name; // the Computer menu's entry
    std::string_view stored; // its name in the settings file
    int skill; // SkillLevel, 0 to 20 (full strength)
    int64_t thinkingMs; // 0: the Thinking time menu's
    std::string_view does; // what the list of keys and menus says of it
    // How it fares against the classic computer, as measured (docs/levels.md), shown in the menu;
    // empty until measured.
    std::string_view strength;
};

// The ladder, weakest first; tools/ladder.sh measures each rung from this table.
// clang-format off
inline constexpr ComputerLevel ComputerLadder[] = {
    // name        stored      skill  ms    does
    { "Beginner",  "beginner",  0,   500, "the strong search looking one move ahead, its judgement far off", "beats the classic computer about 1 game in 3" },
    { "Novice",    "novice",    5,   500, "the strong search looking two moves ahead, its judgement off", "beats the classic computer about 5 games in 8" },
    { "Club",      "club",     10,  1000, "the strong search looking four moves ahead, its judgement a little off", "beats the classic computer 39 games in 40" },
    { "Expert",    "expert",   15,  1000, "the strong search looking six moves ahead, its judgement nearly sound", "beats the classic computer every game" },
    { "Strong",    "strong",   20,     0, "the engine program's full-strength search", "full strength" },
};
// clang-format on

inline constexpr size_t FullStrength = std::size(ComputerLadder) - 1;
static_assert(ComputerLadder[FullStrength].skill == 20, "the ladder ends at full strength");

// The menu's entry: the name, and once measured how it fares.
inline std::string LevelMenuText(const ComputerLevel& level)
{
    std::string text(level.name);
    if (!level.strength.empty())
        text += " - " + std::string(level.strength);
    return text;
}
