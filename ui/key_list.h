#pragma once

#include <string>
#include <string_view>
#include <vector>

// One row of the keys and menus the window offers: the keys (as Qt writes the shortcut, several
// separated by ", "), the entry of the menu of a right press on the window's surface (a submenu's
// entry as "Submenu ▸ Entry"), and what it does. Keys without a menu entry, or an entry without
// keys, leave the other empty.
struct KeyEntry {
    std::string_view keys;
    std::string_view menu;
    std::string_view action;
};

// The menu's entries and their keys, in the menu's order, before the speech menus (whose rows come
// from the keyboard's own table, keyboard_keys.h) and after them, the Computer menu's rungs from
// their own table (computer_ladder.h). A new key or menu entry gets its
// row here; the window test compares WindowKeys with the real menu.
// clang-format off
inline constexpr KeyEntry MenuKeysBeforeSpeech[] = {
    { "Ctrl+C",          "Copy the game as KIF",               "copy the game as KIF (UTF-8 text)" },
    { "Ctrl+Shift+C",    "Copy the position as SFEN",          "copy the position as one SFEN line, and the game as a USI position line" },
    { "Ctrl+S",          "Save the game...",                   "save the game as KIF: .kifu (UTF-8) or .kif (Shift_JIS)" },
    { "Ctrl+O",          "Open a game...",                     "open a game or a position: KIF, one SFEN line or a USI position line; or drop a file on the window" },
    { "Ctrl+V",          "Paste a game or position",           "open the game or position on the clipboard" },
    { "Ctrl+Z",          "Take back",                          "take back your last move, and against the computer its reply too" },
    { "Ctrl+H",          "Hint",                               "on your turn against the computer: what it threatens, then again for the piece to move, then for its square" },
    { "Left",            "Back one move",                      "while no game runs: one move back in the game" },
    { "Right",           "Forward one move",                   "while no game runs: one move forward in the game" },
    { "Home",            "To the start",                       "while no game runs: the game's start" },
    { "End",             "To the end",                         "while no game runs: the game's last position" },
    { "Ctrl+Shift+A",    "Analyse game",                       "rate every position with the strong search and show the graph" },
    { "Ctrl+Right",      "Best line: next move",               "after an analysis: the engine's best line one move forward" },
    { "Ctrl+Left",       "Best line: back",                    "after an analysis: the engine's best line one move back" },
    { "Ctrl+R",    "Review game",                        "each side's inaccuracies, mistakes and blunders, the worst explained, and learning from them on the board" },
};

inline constexpr KeyEntry SpeechNotationKeys[] = {
    { "",                "Speech notation ▸ English",          "say moves in English words with USI squares (the default)" },
    { "",                "Speech notation ▸ Japanese",         "say moves as a KIF record writes them" },
    { "",                "Speech notation ▸ USI",              "say moves in USI notation" },
};

inline constexpr KeyEntry MenuKeysAfterSpeech[] = {
    { "",                "Rules ▸ Velmora",                    "Velmora's game: its own start, a pawn drop may mate (the default)" },
    { "",                "Rules ▸ Standard minishogi",         "the usual start, and a pawn drop may not mate" },
    { "",                "Computer ▸ Classic",                 "the window's own computer (the default)" },
};

// After the Computer menu's first entry come the strong computer's rungs, from ComputerLadder.
inline constexpr KeyEntry MenuKeysAfterComputers[] = {
    { "",                "Thinking time ▸ 1 s",                "the strong computer thinks 1 s a move" },
    { "",                "Thinking time ▸ 3 s",                "the strong computer thinks 3 s a move (the default)" },
    { "",                "Thinking time ▸ 10 s",               "the strong computer thinks 10 s a move" },
    { "Ctrl++, Ctrl+=",  "Zoom in",                            "a larger window, each picture pixel a larger square" },
    { "Ctrl+-",          "Zoom out",                           "a smaller window, down to the designed size" },
    { "Ctrl+0",          "Actual size",                        "back to the designed size" },
    { "F1",              "Keys and menus…",                    "this list" },
    { "",                "About Velmora",                      "who made Velmora; a double click on the window's surface shows it too" },
};
// clang-format on

// One row of the list F1 shows.
struct KeyRow {
    std::string keys, menu, action;
    friend bool operator==(const KeyRow&, const KeyRow&) = default;
};

// Everything the keyboard and the menu do, as F1 shows it: the menu's entries in the menu's
// order, then the keys for playing without a mouse, which have no menu entry.
std::vector<KeyRow> WindowKeys();
