#pragma once

#include "kif_names.h"

#include <optional>
#include <string_view>

// Reading KIF's words from the front of a text, shared by the record reader and the reader of
// typed moves.

// Removes prefix from the front of text if text starts with it.
inline bool Consume(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// The index of the first entry of the table that text starts with, consumed; -1 when none.
template <size_t N> int ConsumeOneOf(std::string_view& text, const std::string_view (&table)[N])
{
    for (size_t i = 0; i < N; ++i)
        if (Consume(text, table[i]))
            return int(i);
    return -1;
}

inline constexpr std::string_view WideSpace = "\u3000";

// The text without the spaces, tabs and full-width spaces around it.
inline std::string_view Trim(std::string_view text)
{
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
            text.remove_prefix(1), trimmed = true;
        while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
            text.remove_suffix(1), trimmed = true;
        if (Consume(text, WideSpace))
            trimmed = true;
        if (text.ends_with(WideSpace))
            text.remove_suffix(WideSpace.size()), trimmed = true;
    }
    return text;
}

// A piece name as read, with the type it stands for.
struct PieceName {
    std::string_view kanji;
    int type;
};

inline std::optional<PieceName> ConsumePiece(std::string_view& text)
{
    // From the promoted types down, so that 成銀 is tried before 銀.
    for (int type = PieceTypeCount; type >= 1; --type)
        for (const std::string_view kanji : { KifMoveNames[type], KifDiagramNames[type] })
            if (Consume(text, kanji))
                return PieceName { kanji, type };
    for (const KifSpelling& other : KifOtherSpellings)
        if (Consume(text, other.kanji))
            return PieceName { other.kanji, other.type };
    return std::nullopt;
}
