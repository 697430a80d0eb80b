#pragma once

#include "rules/rule_tables.h"
#include "rules/sfen.h"

#include <gtest/gtest.h>

#include <string>

// Loads a position onto ply 1; returns the side to move.
inline int LoadSfen(const std::string& sfen)
{
    SfenHeader header;
    std::string error;
    EXPECT_TRUE(ReadSfen(sfen, header, error)) << sfen << ": " << error;
    return header.side;
}

#include "rules/make_move.h"
#include "rules/usi_move.h"

inline Move UsiMove(const std::string& text, int side)
{
    std::string error;
    const auto move = ReadUsiMove(text, side, error);
    EXPECT_TRUE(move) << text << ": " << error;
    return move.value_or(Move {});
}

// Loads a position and makes one candidate move of the side to move from ply 1 into ply 2,
// as the computer's move choice does; returns the mover's side.
inline int MakeCandidate(const std::string& sfen, const std::string& move)
{
    const int side = LoadSfen(sfen);
    const Move m = UsiMove(move, side);
    CopyPly(1);
    MakeMove(2, m.fromX, m.fromY, m.toX, m.toY, m.promote);
    return side;
}

// Loads a position into ply 2 as if the side not to move had just produced it; returns the
// side to move.
inline int LoadIntoPly2(const std::string& sfen)
{
    const int side = LoadSfen(sfen);
    CopyPly(1);
    UpdateCheckerFlags(2);
    return side;
}
