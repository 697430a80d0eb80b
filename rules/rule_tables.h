#pragma once

#include "pieces.h"

#include <cstdint>

// How a piece moves in one direction.
enum MoveKind : uint8_t {
    MoveNone = 0,
    MoveStep = 1, // exactly one square
    MoveSlide = 2, // any number of squares along the line
};

inline constexpr int DirectionCount = 8;

// The rule tables are constants: the rules, the engine's square-set tables and every program read
// the same values from the first instruction on, so nothing has to fill them before use. Index 0
// of every table is unused so the tables read like the rules (types 1..10, directions 1..8).

// clang-format off

// Direction steps from Sente's point of view: dy < 0 is forward for Sente. Multiplying a step by
// the side turns it into that side's.
//                                                             1   2   3   4   5   6   7   8
inline constexpr int8_t DirectionX[DirectionCount + 1] = { 0, -1,  0, +1, -1, +1, -1,  0, +1 };
inline constexpr int8_t DirectionY[DirectionCount + 1] = { 0, -1, -1, -1,  0,  0, +1, +1, +1 };

namespace MoveRows {

inline constexpr uint8_t N = MoveNone, S = MoveStep, L = MoveSlide;

// The rows written entry by entry; the promoted rows are derived from them below. Directions:
// 1 forward-left, 2 forward, 3 forward-right, 4 left, 5 right, 6 back-left, 7 back, 8 back-right.
inline constexpr uint8_t BaseMoves[King + 1][DirectionCount + 1] = {
    //                1  2  3  4  5  6  7  8
    {},
    /* Pawn   */ { N, N, S, N, N, N, N, N, N },
    /* Silver */ { N, S, S, S, N, N, S, N, S },
    /* Bishop */ { N, L, N, L, N, N, L, N, L },
    /* Rook   */ { N, N, L, N, L, L, N, L, N },
    /* Gold   */ { N, S, S, S, S, S, N, S, N },
    /* King   */ { N, S, S, S, S, S, S, S, S },
};

} // namespace MoveRows

inline constexpr int32_t PieceValueTable[PieceTypeCount + 1] = {
       0,
      10, // Pawn
      45, // Silver
      75, // Bishop
      85, // Rook
      50, // Gold
    1000, // King
      55, // Tokin
      50, // ProSilver
      95, // Horse
     100, // Dragon
};

// clang-format on

// Front ends count in centipawns, a pawn being 100; the tables count a pawn as 10.
inline constexpr int32_t CentipawnsPerUnit = 100 / PieceValueTable[Pawn];
static_assert(CentipawnsPerUnit * PieceValueTable[Pawn] == 100);

// The whole MoveTable, indexed [type][direction]: a tokin and a promoted silver move as a gold; a
// horse and a dragon step like the king and keep their unpromoted ranging lines.
struct MoveTableRows {
    uint8_t row[PieceTypeCount + 1][DirectionCount + 1];
    constexpr const uint8_t* operator[](int type) const { return row[type]; }
};

constexpr MoveTableRows DeriveMoveTable()
{
    using MoveRows::BaseMoves, MoveRows::L;
    MoveTableRows table {};
    for (int d = 1; d <= DirectionCount; ++d) {
        for (int t = Pawn; t <= King; ++t)
            table.row[t][d] = BaseMoves[t][d];
        table.row[Tokin][d] = BaseMoves[Gold][d];
        table.row[ProSilver][d] = BaseMoves[Gold][d];
        table.row[Horse][d] = BaseMoves[Bishop][d] == L ? L : BaseMoves[King][d];
        table.row[Dragon][d] = BaseMoves[Rook][d] == L ? L : BaseMoves[King][d];
    }
    return table;
}

inline constexpr MoveTableRows MoveTable = DeriveMoveTable();

// Whether pieces of the type slide along their diagonals or along their row and column: one
// direction stands for all four, as the assertion below checks.
constexpr bool SlidesDiagonally(int type) { return MoveTable[type][1] == MoveSlide; }
constexpr bool SlidesOrthogonally(int type) { return MoveTable[type][2] == MoveSlide; }
constexpr bool IsRanging(int type) { return SlidesDiagonally(type) || SlidesOrthogonally(type); }
static_assert([] {
    for (int t = Pawn; t <= PieceTypeCount; ++t)
        for (int d = 1; d <= DirectionCount; ++d) {
            const bool diagonal = DirectionX[d] != 0 && DirectionY[d] != 0;
            if ((MoveTable[t][d] == MoveSlide)
                != (diagonal ? SlidesDiagonally(t) : SlidesOrthogonally(t)))
                return false;
        }
    return true;
}());

// What taking a piece of the type adds to the captor's material: the piece leaves the board and
// enters the captor's hand demoted. A king has no hand slot; taking it swings the balance by 2000.
constexpr int32_t CaptureGain(int type)
{
    if (type > PromotionOffset)
        return PieceValueTable[type] + PieceValueTable[type - PromotionOffset];
    return 2 * PieceValueTable[type];
}

// What promoting a piece of the type adds to its side's material.
constexpr int32_t PromotionGain(int type)
{
    return PieceValueTable[type + PromotionOffset] - PieceValueTable[type];
}
