#pragma once

#include "rules/pieces.h"

#include <string_view>

// How moves are written and spoken: English words with USI squares ("Sente pawn 1d to 1c"),
// Japanese as KIF writes a move ("▲１三歩"), or the USI move itself ("1d1c").
enum class Notation { English, Japanese, Usi };

// The English words for the pieces, by type; the promoted ones say what they were, as their
// Western letters do ("+P").
inline constexpr std::string_view EnglishPieceNames[PieceTypeCount + 1]
    = { "", "pawn", "silver", "bishop", "rook", "gold", "king", "promoted pawn", "promoted silver",
          "promoted bishop", "promoted rook" };

constexpr std::string_view EnglishSideName(int side) { return side == Sente ? "Sente" : "Gote"; }
