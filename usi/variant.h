#pragma once

#include "rules/sfen.h"

#include <string_view>

// The rule sets a front end chooses between with the USI_Variant option.
struct Variant {
    std::string_view name;
    std::string_view startSfen; // what "position startpos" sets up
    bool pawnDropMateLegal;
};

inline constexpr Variant Variants[] = {
    // Standard minishogi, what every front end, bot and other engine plays: the default.
    { "minishogi", "rbsgk/4p/5/P4/KGSBR b - 1", false },
    // The window's game: its mirrored start, and a pawn drop may give mate.
    { "velmora", StartSfen, true },
};
