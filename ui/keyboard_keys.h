#pragma once

#include "rules/pieces.h"

#include <string_view>

// The keys for playing without a mouse and for hearing the game, in one place: the help lists
// them from here and the window takes the reading commands' shortcuts from here.
struct KeyHelp {
    std::string_view keys;
    std::string_view does;
};

inline constexpr KeyHelp PlayingKeys[] = {
    { "Tab, Shift+Tab",
        "Move the focus: the board, Sente's hand, Gote's hand, Play/Stop, Sente's player, Gote's "
        "player, the level" },
    { "Space or Enter on a label", "Press it, as a click does" },
    { "Arrow keys on the board",
        "Move the cursor, while a game runs or there is no record to step through (then Left, "
        "Right, Home and End step through the record as ever)" },
    { "Shift+arrow keys on the board", "Move the cursor, always" },
    { "Space or Enter on the board",
        "Pick the own piece under the cursor; on a square the picked piece can reach, move there" },
    { "Arrow keys in a hand", "Choose the kind held" },
    { "Space or Enter in a hand", "Pick that kind to drop it" },
    { "Y, N", "Promote, do not promote, when asked" },
    { "Escape", "Cancel the pick, the promotion question or the move field" },
    { "Typing on the board",
        "Opens the Move field: type a move in USI, Western or Japanese notation, Enter plays it, "
        "Escape closes it" },
};

// What a reading command reads aloud.
enum class Reading {
    LastMove,
    Hands,
    Turn,
    Square, // the square under the cursor
    Rank, // the cursor's rank
    File, // the cursor's file
    Attackers, // what attacks the square under the cursor
    Kind, // where the pieces of one kind stand, both sides'
    Repeat, // the last announcement again
};

struct ReadingKey {
    std::string_view keys;
    std::string_view does;
    Reading reading;
    int pieceType = 0; // for Reading::Kind
};

inline constexpr ReadingKey ReadingKeys[] = {
    { "Alt+L", "Read the last move", Reading::LastMove },
    { "Alt+H", "Read both hands", Reading::Hands },
    { "Alt+T", "Read whose turn it is, the rules, the level and the opponent", Reading::Turn },
    { "Alt+C", "Read the square under the cursor", Reading::Square },
    { "Alt+Left", "Read the cursor's rank", Reading::Rank },
    { "Alt+Up", "Read the cursor's file", Reading::File },
    { "Alt+A", "Read what attacks the square under the cursor", Reading::Attackers },
    { "Alt+K", "Read where the kings stand", Reading::Kind, King },
    { "Alt+R", "Read where the rooks and dragons stand", Reading::Kind, Rook },
    { "Alt+B", "Read where the bishops and horses stand", Reading::Kind, Bishop },
    { "Alt+G", "Read where the golds stand", Reading::Kind, Gold },
    { "Alt+S", "Read where the silvers stand", Reading::Kind, Silver },
    { "Alt+P", "Read where the pawns and tokins stand", Reading::Kind, Pawn },
    { "Ctrl+Shift+R", "Repeat the last announcement", Reading::Repeat },
};
