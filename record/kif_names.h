#pragma once

#include "rules/pieces.h"

#include <string_view>

// How KIF writes pieces and numbers, shared by the writer and the reader.

// The names in moves and hands, by piece type: one king name for both sides, and the promoted
// silver spelt out.
inline constexpr std::string_view KifMoveNames[PieceTypeCount + 1]
    = { "", "歩", "銀", "角", "飛", "金", "玉", "と", "成銀", "馬", "龍" };
// A board diagram gives every piece one character.
inline constexpr std::string_view KifDiagramNames[PieceTypeCount + 1]
    = { "", "歩", "銀", "角", "飛", "金", "玉", "と", "全", "馬", "龍" };

struct KifSpelling {
    std::string_view kanji;
    int type;
};
// Spellings other programs write, read but never written.
inline constexpr KifSpelling KifOtherSpellings[] = { { "王", King }, { "竜", Dragon } };

// Ranks and counts in kanji, files in full-width digits, from one up.
inline constexpr std::string_view KanjiNumerals[]
    = { "一", "二", "三", "四", "五", "六", "七", "八", "九" };
inline constexpr std::string_view WideDigits[]
    = { "１", "２", "３", "４", "５", "６", "７", "８", "９" };

// The marks before a move of Sente and of Gote.
constexpr std::string_view SideMark(int side) { return side == Sente ? "▲" : "△"; }
