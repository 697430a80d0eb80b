#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view StartSfen = "kgsbr/p4/5/4P/RBSGK b - 1";
// The start every other minishogi program means: the mirror of Velmora's.
inline constexpr std::string_view StandardStartSfen = "rbsgk/4p/5/P4/KGSBR b - 1";

// A position read from SFEN: the side to move and the move number; board and hands go to ply 1.
struct SfenHeader {
    int side = 1;
    int moveNumber = 1;
};

// Reads "<board> <side> <hands> [<move number>]" onto ply 1 (board, hands, king squares,
// checker flags). A malformed or impossible position leaves ply 1 as it was and returns false
// with a one-line reason in error.
bool ReadSfen(std::string_view text, SfenHeader& header, std::string& error);

// Writes ply p as SFEN.
std::string WriteSfen(int p, const SfenHeader& header);

// A piece as SFEN writes it: "+" for a promoted one, the letter upper case for Sente's (code
// above 0) and lower case for Gote's.
std::string SfenPiece(int code);
