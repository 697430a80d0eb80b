#pragma once

#include <cstdint>
#include <string_view>

// Sides are +1 and -1: multiplying a piece code or a direction step by the side
// turns a Sente-oriented value into that side's.
inline constexpr int Sente = +1;
inline constexpr int Gote = -1;

// A piece code is a type signed by its owner's side; 0 is an empty square.
enum PieceType : int8_t {
    Pawn = 1,
    Silver = 2,
    Bishop = 3,
    Rook = 4,
    Gold = 5,
    King = 6,
    Tokin = 7,
    ProSilver = 8,
    Horse = 9,
    Dragon = 10,
};

inline constexpr int PieceTypeCount = 10;
inline constexpr int HandTypeCount = 5; // the unpromoted, non-king types can be held
inline constexpr int PromotionOffset = 6;
inline constexpr int BoardSize = 5;
inline constexpr int GridRows = 7; // rows 6 and 7 of a position are the hands
// The game has two pieces of each kind, a promoted piece counting as its kind.
inline constexpr int MaxOfAKind = 2;
// The order in which a hand is written, in SFEN and in game records alike.
inline constexpr int HandOrder[HandTypeCount] = { Rook, Bishop, Gold, Silver, Pawn };

// The SFEN and USI letter of types 1 to 6, Sente's in upper case and Gote's in lower case; a
// promoted piece is written '+' and its unpromoted letter.
inline constexpr std::string_view PieceLetters = " PSBRGK";

// The type a piece letter of either case names, or 0.
constexpr int TypeOfLetter(char c)
{
    const char upper = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    const size_t i = PieceLetters.find(upper);
    return i == std::string_view::npos ? 0 : int(i);
}

inline constexpr bool IsPromotable(int type) { return type < Gold; }
inline constexpr int HandRow(int side) { return side > 0 ? 6 : 7; }
inline constexpr int FarRow(int side) { return side > 0 ? 1 : BoardSize; }
// Every table with a slot per side holds Sente's first and is indexed through this.
inline constexpr int SideIndex(int side) { return side > 0 ? 0 : 1; }
inline constexpr int SideSlots = 2;
inline constexpr int SideOf(int code) { return code > 0 ? Sente : Gote; }
inline constexpr bool OnBoard(int x, int y)
{
    return x >= 1 && x <= BoardSize && y >= 1 && y <= BoardSize;
}
