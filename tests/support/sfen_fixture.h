#pragma once

#include "rules/rule_tables.h"
#include "rules/sfen.h"

#include <gtest/gtest.h>

#include <string>

// Builds the rule tables and loads a position onto ply 1; returns the side to move.
inline int LoadSfen(const std::string& sfen)
{
    BuildRuleTables();
    SfenHeader header;
    std::string error;
    EXPECT_TRUE(ReadSfen(sfen, header, error)) << sfen << ": " << error;
    return header.side;
}
