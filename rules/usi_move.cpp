#include "usi_move.h"

#include "legality.h"
#include "make_move.h"

#include <cstring>

namespace {

// A drop names the piece by its upper-case letter, whichever side drops it.
constexpr std::string_view DropLetters = PieceLetters.substr(0, HandTypeCount + 1);

bool ReadSquare(std::string_view text, int8_t& x, int8_t& y)
{
    if (text.size() != 2 || text[0] < '1' || text[0] > '5' || text[1] < 'a' || text[1] > 'e')
        return false;
    x = int8_t(6 - (text[0] - '0'));
    y = int8_t(text[1] - 'a' + 1);
    return true;
}

} // namespace

std::string SquareName(int x, int y) { return { char('0' + 6 - x), char('a' + y - 1) }; }

std::optional<Move> ReadUsiMove(std::string_view text, int s, std::string& error)
{
    Move m;
    const std::string quoted = "'" + std::string(text.substr(0, 16)) + "'";
    if (text.size() == 4 && text[1] == '*') {
        const size_t type = DropLetters.find(text[0]);
        if (type == std::string_view::npos || type == 0)
            return error = "move " + quoted + " drops an unknown piece", std::nullopt;
        m.fromX = int8_t(type);
        m.fromY = int8_t(HandRow(s));
        if (!ReadSquare(text.substr(2), m.toX, m.toY))
            return error = "move " + quoted + " has a bad destination square", std::nullopt;
        return m;
    }
    const bool promotes = text.size() == 5 && text[4] == '+';
    if (text.size() != 4 && !promotes)
        return error = "move " + quoted + " is not a USI move", std::nullopt;
    if (!ReadSquare(text.substr(0, 2), m.fromX, m.fromY)
        || !ReadSquare(text.substr(2, 2), m.toX, m.toY))
        return error = "move " + quoted + " has a bad square", std::nullopt;
    m.promote = promotes ? 1 : 0;
    return m;
}

std::string WriteUsiMove(const Move& m)
{
    if (m.fromY > BoardSize)
        return std::string(1, DropLetters[m.fromX]) + "*" + SquareName(m.toX, m.toY);
    return SquareName(m.fromX, m.fromY) + SquareName(m.toX, m.toY) + (m.promote == 1 ? "+" : "");
}

bool PlayUsiMove(std::string_view text, int s, std::string& error, const RuleSet& rules)
{
    const auto move = ReadUsiMove(text, s, error);
    if (!move)
        return false;
    int8_t targets[BoardSize + 1][BoardSize + 1];
    std::memcpy(targets, TargetMap[1], sizeof targets);
    const MoveVerdict verdict = JudgeMove(1, s, *move, rules);
    std::memcpy(TargetMap[1], targets, sizeof targets);
    if (verdict != MoveVerdict::Legal) {
        error = "move '" + std::string(text) + "' is illegal: " + Describe(verdict);
        return false;
    }
    MakeMove(1, move->fromX, move->fromY, move->toX, move->toY, move->promote);
    return true;
}
