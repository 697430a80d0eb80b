#pragma once

#include "sfen.h"

#include <string_view>

// What a game that comes back to the same position means.
enum class RepetitionRule {
    // The game goes on: Velmora's own game knows no repetition rule.
    None,
    // Standard minishogi: the fourth time the same position (board, hands, side to move) comes
    // up, Sente loses, unless one side checked on every move of the cycle: that side loses.
    FourfoldLosesForSente,
};

// The rules a game is played under: its start, whether a pawn drop may give mate, and what a
// repetition means. A position carries the set it is played under.
struct RuleSet {
    std::string_view name; // as the USI_Variant option names it
    std::string_view startSfen; // what "position startpos" sets up
    bool pawnDropMateLegal;
    RepetitionRule repetition;
};

// Standard minishogi, what every front end, bot and other engine plays.
inline constexpr RuleSet StandardRules
    = { "minishogi", StandardStartSfen, false, RepetitionRule::FourfoldLosesForSente };
// The window's game: its mirrored start, and a pawn drop may give mate.
inline constexpr RuleSet VelmoraRules = { "velmora", StartSfen, true, RepetitionRule::None };

// The rule sets the engine program offers, its default first.
inline constexpr const RuleSet* RuleSets[] = { &StandardRules, &VelmoraRules };

// The rule set of that name, or none.
constexpr const RuleSet* RuleSetNamed(std::string_view name)
{
    for (const RuleSet* rules : RuleSets)
        if (rules->name == name)
            return rules;
    return nullptr;
}
