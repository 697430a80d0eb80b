#include "sfen.h"

#include "check.h"
#include "pieces.h"
#include "ply_snapshot.h"
#include "ply_stack.h"
#include "usi_move.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

int SideOfLetter(char c) { return c >= 'a' && c <= 'z' ? Gote : Sente; }

std::vector<std::string_view> SplitFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        size_t j = i;
        while (j < text.size() && text[j] != ' ')
            ++j;
        if (j > i)
            fields.push_back(text.substr(i, j - i));
        i = j;
    }
    return fields;
}

using Grid = int8_t[BoardSize + 1][GridRows + 1];

bool ReadBoard(std::string_view board, Grid& grid, std::string& error)
{
    int y = 1, x = 1;
    for (size_t i = 0; i < board.size(); ++i) {
        const char c = board[i];
        if (c == '/') {
            if (x != BoardSize + 1)
                return error = "row " + std::to_string(y) + " has " + std::to_string(x - 1)
                           + " squares, expected 5",
                       false;
            if (++y > BoardSize)
                return error = "more than 5 rows", false;
            x = 1;
            continue;
        }
        if (c >= '1' && c <= '9') {
            x += c - '0';
        } else {
            const bool promoted = c == '+';
            const char letter = promoted && i + 1 < board.size() ? board[++i] : c;
            const int type = TypeOfLetter(letter);
            if (type == 0)
                return error = "unknown piece '" + std::string(promoted ? "+" : "")
                           + std::string(1, letter) + "' in row " + std::to_string(y),
                       false;
            if (promoted && !IsPromotable(type))
                return error = "'+" + std::string(1, letter) + "' in row " + std::to_string(y)
                           + " cannot be promoted",
                       false;
            if (x <= BoardSize)
                grid[x][y]
                    = int8_t(SideOfLetter(letter) * (promoted ? type + PromotionOffset : type));
            ++x;
        }
        if (x > BoardSize + 1)
            return error = "row " + std::to_string(y) + " has more than 5 squares", false;
    }
    if (y != BoardSize || x != BoardSize + 1)
        return error = "the board needs 5 rows of 5 squares", false;
    return true;
}

bool ReadHands(std::string_view hands, Grid& grid, std::string& error)
{
    if (hands == "-")
        return true;
    for (size_t i = 0; i < hands.size();) {
        int count = 0;
        size_t digits = 0;
        while (i < hands.size() && hands[i] >= '0' && hands[i] <= '9' && digits < 3) {
            count = count * 10 + (hands[i++] - '0');
            ++digits;
        }
        if (digits > 0 && (count < 1 || (i < hands.size() && hands[i] >= '0' && hands[i] <= '9')))
            return error = "hand count at " + std::to_string(i - digits + 1)
                       + " is not a small positive number",
                   false;
        if (i >= hands.size())
            return error = "hand count without a piece letter at the end", false;
        const char letter = hands[i++];
        const int type = TypeOfLetter(letter);
        if (type == 0 || type == King)
            return error = "'" + std::string(1, letter) + "' cannot be held in hand", false;
        int8_t& held = grid[type][HandRow(SideOfLetter(letter))];
        const int total = held + (digits ? count : 1);
        if (total > MaxOfAKind)
            return error = "more than 2 of '" + std::string(1, letter) + "' in hand", false;
        held = int8_t(total);
    }
    return true;
}

// The pieces a game can have: two of each kind, promoted pieces counting as their kind.
bool CheckPieceCounts(const Grid& grid, std::string& error)
{
    static const char* const KindNames[]
        = { "", "pawns", "silvers", "bishops", "rooks", "golds", "kings" };
    int counts[King + 1] = {};
    int kings[SideSlots] = {};
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int q = grid[x][y];
            if (q == 0)
                continue;
            const int type
                = std::abs(q) > PromotionOffset ? std::abs(q) - PromotionOffset : std::abs(q);
            ++counts[type];
            if (type == King)
                ++kings[SideIndex(SideOf(q))];
            if (q == SideOf(q) * Pawn && y == FarRow(SideOf(q)))
                return error = "an unpromoted pawn on its far row at " + SquareName(x, y), false;
        }
    for (int t = 1; t <= HandTypeCount; ++t)
        counts[t] += grid[t][HandRow(Sente)] + grid[t][HandRow(Gote)];
    if (kings[SideIndex(Sente)] != 1)
        return error
               = "Sente needs exactly one king, has " + std::to_string(kings[SideIndex(Sente)]),
               false;
    if (kings[SideIndex(Gote)] != 1)
        return error = "Gote needs exactly one king, has " + std::to_string(kings[SideIndex(Gote)]),
               false;
    for (int t = 1; t < King; ++t)
        if (counts[t] > MaxOfAKind)
            return error = std::to_string(counts[t]) + " " + KindNames[t] + ", the game has 2",
                   false;
    return true;
}

bool ReadMoveNumber(std::string_view text, int& number, std::string& error)
{
    number = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || number > 99999999)
            return error = "move number '" + std::string(text) + "' is not a positive integer",
                   false;
        number = number * 10 + (c - '0');
    }
    if (number < 1)
        return error = "move number '" + std::string(text) + "' is not a positive integer", false;
    return true;
}

// Places the grid on ply 1 with its king squares and checker flags.
void PlaceOnPly1(const Grid& grid)
{
    std::memcpy(Position[1], grid, sizeof Position[1]);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (grid[x][y] == King || grid[x][y] == -King) {
                KingX[1][SideIndex(grid[x][y] / King)] = int8_t(x);
                KingY[1][SideIndex(grid[x][y] / King)] = int8_t(y);
            }
    UpdateCheckerFlags(1);
}

bool ReadFields(std::string_view text, Grid& grid, SfenHeader& header, std::string& error)
{
    const auto fields = SplitFields(text);
    if (fields.size() < 3 || fields.size() > 4)
        return error = "expected '<board> <side> <hands> <move number>', got "
                   + std::to_string(fields.size()) + " fields",
               false;
    if (!ReadBoard(fields[0], grid, error))
        return false;
    if (fields[1] != "b" && fields[1] != "w")
        return error = "side to move '" + std::string(fields[1]) + "' is not 'b' or 'w'", false;
    header.side = fields[1] == "b" ? Sente : Gote;
    header.moveNumber = 1;
    return ReadHands(fields[2], grid, error) && CheckPieceCounts(grid, error)
        && (fields.size() < 4 || ReadMoveNumber(fields[3], header.moveNumber, error));
}

} // namespace

bool ReadSfen(std::string_view text, SfenHeader& header, std::string& error)
{
    Grid grid = {};
    SfenHeader read;
    if (!ReadFields(text, grid, read, error)) {
        error = "sfen: " + error;
        return false;
    }
    const PlySnapshot backup(1);
    PlaceOnPly1(grid);
    // The side to move could take that king, which play never allows.
    if (IsKingAttacked(1, -read.side)) {
        backup.Restore(1);
        error = std::string("sfen: ") + (read.side == Sente ? "Gote" : "Sente")
            + ", not to move, is in check";
        return false;
    }
    header = read;
    return true;
}

std::string WriteSfen(int p, const SfenHeader& header)
{
    std::string out;
    for (int y = 1; y <= BoardSize; ++y) {
        int empty = 0;
        for (int x = 1; x <= BoardSize; ++x) {
            const int q = Position[p][x][y];
            if (q == 0) {
                ++empty;
                continue;
            }
            if (empty)
                out += char('0' + empty);
            empty = 0;
            out += SfenPiece(q);
        }
        if (empty)
            out += char('0' + empty);
        if (y < BoardSize)
            out += '/';
    }
    out += header.side == Sente ? " b " : " w ";
    std::string hands;
    for (int side : { Sente, Gote })
        for (int type : HandOrder) {
            const int count = Position[p][type][HandRow(side)];
            if (count > 1)
                hands += std::to_string(count);
            if (count > 0)
                hands += SfenPiece(type * side);
        }
    out += hands.empty() ? "-" : hands;
    out += ' ' + std::to_string(header.moveNumber);
    return out;
}

std::string SfenPiece(int code)
{
    const int type = std::abs(code);
    const bool promoted = type > PromotionOffset;
    const char letter = PieceLetters[promoted ? type - PromotionOffset : type];
    return std::string(promoted ? "+" : "") + (code > 0 ? letter : char(letter - 'A' + 'a'));
}
