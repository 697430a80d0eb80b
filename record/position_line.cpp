#include "position_line.h"

#include "text.h"

namespace {

// Reads "[moves <move> ...]" into the line's moves.
std::optional<PositionLine> ReadMoveList(
    PositionLine line, std::string_view text, std::string& error)
{
    std::string_view moves;
    const std::string_view keyword = FirstWord(text, moves);
    if (!keyword.empty() && keyword != "moves") {
        error = "expected 'moves' after the position, got '" + std::string(keyword.substr(0, 64))
            + "'";
        return std::nullopt;
    }
    line.moves = SplitWords(moves);
    return line;
}

} // namespace

std::optional<PositionLine> ReadPositionLine(
    std::string_view args, const RuleSet& rules, std::string& error)
{
    std::string_view rest;
    const std::string_view kind = FirstWord(args, rest);
    if (kind == "startpos")
        return ReadMoveList(PositionLine { std::string(rules.startSfen), {} }, rest, error);
    if (kind == "sfen")
        return ReadSfenAndMoves(rest, error);
    error = "position needs 'startpos' or 'sfen <SFEN>'";
    return std::nullopt;
}

std::optional<PositionLine> ReadSfenAndMoves(std::string_view text, std::string& error)
{
    const size_t moves = text.find(" moves");
    const std::string_view rest
        = moves == std::string_view::npos ? std::string_view {} : text.substr(moves + 1);
    return ReadMoveList(PositionLine { std::string(text.substr(0, moves)), {} }, rest, error);
}
