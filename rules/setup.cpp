#include "setup.h"

#include "ply_stack.h"
#include "sfen.h"

#include <cstring>

namespace {

// The board of a start position, read at compile time from the board field of its SFEN.
struct StartBoard {
    int8_t cell[BoardSize + 1][BoardSize + 1] = {}; // [x][y]
    int8_t kingX[SideSlots] = {}, kingY[SideSlots] = {};
};

constexpr StartBoard ReadStartBoard(std::string_view sfen)
{
    StartBoard board;
    int x = 1, y = 1;
    for (const char c : sfen.substr(0, sfen.find(' '))) {
        if (c == '/') {
            ++y;
            x = 1;
        } else if (c >= '1' && c <= '9') {
            x += c - '0';
        } else {
            const int side = c >= 'a' && c <= 'z' ? Gote : Sente;
            board.cell[x][y] = int8_t(side * TypeOfLetter(c));
            if (TypeOfLetter(c) == King) {
                board.kingX[SideIndex(side)] = int8_t(x);
                board.kingY[SideIndex(side)] = int8_t(y);
            }
            ++x;
        }
    }
    return board;
}

constexpr StartBoard Start = ReadStartBoard(StartSfen);

void RemoveSentePiece(int type)
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (Position[1][x][y] == type)
                Position[1][x][y] = 0;
}

} // namespace

void SetUpPosition(int level)
{
    std::memset(Position[1], 0, sizeof Position[1]);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            Position[1][x][y] = Start.cell[x][y];
    RemoveHandicapPieces(level);
    for (int side : { Sente, Gote }) {
        KingX[1][SideIndex(side)] = Start.kingX[SideIndex(side)];
        KingY[1][SideIndex(side)] = Start.kingY[SideIndex(side)];
    }
}

void RemoveHandicapPieces(int level)
{
    if (level > 1)
        RemoveSentePiece(Bishop);
    if (level == MaxLevel)
        RemoveSentePiece(Rook);
}
