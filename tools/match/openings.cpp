#include "openings.h"

#include "engine/board/legal_moves.h"
#include "engine/board/search_board.h"
#include "rules/sfen.h"

#include <algorithm>
#include <utility>

namespace {

// A one-line reason why the position cannot open a game, or "".
std::string Unplayable(const std::string& sfen, const RuleSet& rules)
{
    SfenHeader header;
    std::string error;
    if (!ReadSfen(sfen, header, error))
        return error;
    if (!HasLegalMove(LoadBoard(1, 0), header.side, rules))
        return "the side to move has no legal move";
    return "";
}

// One board row with its digits spelt out as empty squares ('1'), pieces with their '+'.
std::vector<std::string> RowSquares(std::string_view row)
{
    std::vector<std::string> squares;
    for (size_t i = 0; i < row.size(); ++i) {
        if (row[i] >= '1' && row[i] <= '9')
            squares.insert(squares.end(), size_t(row[i] - '0'), "1");
        else if (row[i] == '+' && i + 1 < row.size())
            squares.push_back(std::string(row.substr(i++, 2)));
        else
            squares.push_back(std::string(1, row[i]));
    }
    return squares;
}

std::string WriteRow(const std::vector<std::string>& squares)
{
    std::string row;
    int empty = 0;
    for (const std::string& square : squares) {
        if (square == "1") {
            ++empty;
            continue;
        }
        if (empty > 0)
            row += char('0' + std::exchange(empty, 0));
        row += square;
    }
    if (empty > 0)
        row += char('0' + empty);
    return row;
}

} // namespace

std::vector<std::string> ReadOpenings(std::istream& in, const RuleSet& rules, std::string& error)
{
    std::vector<std::string> openings;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        const std::string reason = Unplayable(line, rules);
        if (!reason.empty()) {
            error = "line " + std::to_string(number) + " '" + line + "': " + reason;
            return {};
        }
        openings.push_back(line);
    }
    if (openings.empty())
        error = "no opening positions";
    return openings;
}

std::string MirrorSfen(std::string_view sfen)
{
    const size_t boardEnd = std::min(sfen.find(' '), sfen.size());
    std::string board;
    for (size_t start = 0; start <= boardEnd;) {
        const size_t end = std::min(sfen.find('/', start), boardEnd);
        std::vector<std::string> squares = RowSquares(sfen.substr(start, end - start));
        std::reverse(squares.begin(), squares.end());
        board += (board.empty() ? "" : "/") + WriteRow(squares);
        start = end + 1;
    }
    return board + std::string(sfen.substr(boardEnd));
}
