#pragma once

#include "bitboard.h"

#include "rules/rule_tables.h"

#include <bit>
#include <initializer_list>

// The rule tables turned into square sets, computed at compile time from the MoveTable, so the
// searches can ask "which squares does this piece reach" in a few operations.

struct AttackTables {
    // [side index][type][square]: the squares a piece reaches by its single steps.
    Bitboard step[SideSlots][PieceTypeCount + 1][SquareCount];
    // [square][d - 1]: the squares from the square outward in direction d as Sente sees it.
    Bitboard ray[SquareCount][DirectionCount];
    // Whether square numbers grow along direction d, so the nearest blocker is the lowest bit.
    bool ascending[DirectionCount];
    // The squares strictly between two squares on one line; empty when not on a line.
    Bitboard between[SquareCount][SquareCount];
    // The squares on the square's diagonals and on its row and column.
    Bitboard diagonalLines[SquareCount];
    Bitboard orthogonalLines[SquareCount];
    // The 3 x 3 block around a square, the square included.
    Bitboard near[SquareCount];
    Bitboard column[BoardSize + 1];
    Bitboard farRow[SideSlots];
};

constexpr AttackTables BuildAttackTables()
{
    AttackTables t {};
    for (int sq = 0; sq < SquareCount; ++sq) {
        const int x = XOf(sq), y = YOf(sq);
        for (int d = 1; d <= DirectionCount; ++d) {
            const int dx = DirectionX[d], dy = DirectionY[d];
            t.ascending[d - 1] = dx * BoardSize + dy > 0;
            for (int tx = x + dx, ty = y + dy; OnBoard(tx, ty); tx += dx, ty += dy) {
                t.ray[sq][d - 1] |= Bit(SquareAt(tx, ty));
            }
            for (int side : { Sente, Gote })
                for (int type = Pawn; type <= PieceTypeCount; ++type) {
                    const int sx = x + dx * side, sy = y + dy * side;
                    if (MoveTable[type][d] == MoveStep && OnBoard(sx, sy))
                        t.step[SideIndex(side)][type][sq] |= Bit(SquareAt(sx, sy));
                }
        }
        t.near[sq] = t.step[0][King][sq] | Bit(sq);
        for (int d = 1; d <= DirectionCount; ++d)
            (DirectionX[d] != 0 && DirectionY[d] != 0 ? t.diagonalLines : t.orthogonalLines)[sq]
                |= t.ray[sq][d - 1];
        t.column[x] |= Bit(sq);
        if (y == FarRow(Sente))
            t.farRow[0] |= Bit(sq);
        if (y == FarRow(Gote))
            t.farRow[1] |= Bit(sq);
    }
    for (int from = 0; from < SquareCount; ++from)
        for (int d = 0; d < DirectionCount; ++d)
            for (Bitboard r = t.ray[from][d]; r != 0; r &= r - 1) {
                const int to = std::countr_zero(r);
                t.between[from][to] = t.ray[from][d] & ~t.ray[to][d] & ~Bit(to);
            }
    return t;
}

inline constexpr AttackTables Attacks = BuildAttackTables();

// The squares a slider on the square reaches in direction d - 1, up to and including the first
// occupied one.
inline Bitboard RayAttacks(int square, int direction, Bitboard occupied)
{
    const Bitboard ray = Attacks.ray[square][direction];
    const Bitboard blockers = ray & occupied;
    if (blockers == 0)
        return ray;
    const int nearest = Attacks.ascending[direction] ? std::countr_zero(blockers)
                                                     : 31 - std::countl_zero(blockers);
    return ray & ~Attacks.ray[nearest][direction];
}

// Bishop and rook lines are the same for both sides.
inline Bitboard DiagonalAttacks(int square, Bitboard occupied)
{
    return RayAttacks(square, 0, occupied) | RayAttacks(square, 2, occupied)
        | RayAttacks(square, 5, occupied) | RayAttacks(square, 7, occupied);
}

inline Bitboard OrthogonalAttacks(int square, Bitboard occupied)
{
    return RayAttacks(square, 1, occupied) | RayAttacks(square, 3, occupied)
        | RayAttacks(square, 4, occupied) | RayAttacks(square, 6, occupied);
}

// Every square the piece of this code reaches from the square: the non-zero codes of its
// TargetMap, own pieces included.
inline Bitboard PieceAttacks(int code, int square, Bitboard occupied)
{
    const int type = code > 0 ? code : -code;
    Bitboard reach = Attacks.step[SideIndex(code)][type][square];
    if (SlidesDiagonally(type))
        reach |= DiagonalAttacks(square, occupied);
    if (SlidesOrthogonally(type))
        reach |= OrthogonalAttacks(square, occupied);
    return reach;
}
