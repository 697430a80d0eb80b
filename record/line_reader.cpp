#include "line_reader.h"

#include "kif_reading.h"
#include "position_line.h"
#include "text.h"

#include "rules/usi_move.h"

#include <optional>

namespace {

bool ReadNothingAfter(RecordBuilder& builder, const std::vector<std::string_view>& lines,
    size_t first, const char* what)
{
    for (size_t i = first + 1; i < lines.size(); ++i)
        if (!Trim(lines[i]).empty())
            return builder.Fail(int(i + 1), std::string("more text after the ") + what);
    return true;
}

// Starts the record at the line's position and plays its moves.
bool ReadGame(RecordBuilder& builder, int line, const std::optional<PositionLine>& game,
    const std::string& error)
{
    if (!game)
        return builder.Fail(line, error);
    if (!builder.Start(line, game->sfen))
        return false;
    for (const std::string_view text : game->moves) {
        std::string refusal;
        const auto move = ReadUsiMove(text, builder.Side(), refusal);
        if (!move)
            return builder.Fail(
                line, "move " + std::to_string(builder.Moves().size() + 1) + ": " + refusal);
        if (!builder.Play(line, *move, text, false))
            return false;
    }
    builder.Finish("");
    return true;
}

} // namespace

bool ReadUsiLine(RecordBuilder& builder, const std::vector<std::string_view>& lines, size_t first)
{
    std::string_view args;
    FirstWord(Trim(lines[first]), args); // "position"
    std::string error;
    const auto game = ReadPositionLine(args, builder.Rules(), error);
    return ReadGame(builder, int(first + 1), game, error)
        && ReadNothingAfter(builder, lines, first, "USI position");
}

bool ReadSfenLine(RecordBuilder& builder, const std::vector<std::string_view>& lines, size_t first)
{
    std::string_view text = Trim(lines[first]);
    std::string_view rest;
    if (FirstWord(text, rest) == "sfen")
        text = rest;
    std::string error;
    const auto game = ReadSfenAndMoves(text, error);
    return ReadGame(builder, int(first + 1), game, error)
        && ReadNothingAfter(builder, lines, first, "SFEN position");
}
