#pragma once

#include "ply_stack.h"

#include <cstring>

// A ply's position, both king squares and its checker flags, kept to put the ply back after a
// refused change, or to show that a search left it alone.
struct PlySnapshot {
    int8_t position[BoardSize + 1][GridRows + 1];
    int8_t kingX[SideSlots], kingY[SideSlots];
    bool flags[SideSlots][PieceTypeCount + 1];

    explicit PlySnapshot(int p)
    {
        std::memcpy(position, Position[p], sizeof position);
        std::memcpy(kingX, KingX[p], sizeof kingX);
        std::memcpy(kingY, KingY[p], sizeof kingY);
        std::memcpy(flags, CheckerFlags[p], sizeof flags);
    }

    // Writes the copy into ply p.
    void Restore(int p) const
    {
        std::memcpy(Position[p], position, sizeof position);
        std::memcpy(KingX[p], kingX, sizeof kingX);
        std::memcpy(KingY[p], kingY, sizeof kingY);
        std::memcpy(CheckerFlags[p], flags, sizeof flags);
    }

    bool operator==(const PlySnapshot& other) const
    {
        return std::memcmp(this, &other, sizeof *this) == 0;
    }
};
