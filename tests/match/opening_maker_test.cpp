#include "tools/match/opening_maker.h"
#include "tools/match/openings.h"

#include "rules/sfen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

// A small recipe at shallow depths, quick enough for a test.
OpeningRecipe SmallRecipe(unsigned seed)
{
    OpeningRecipe recipe;
    recipe.count = 6;
    recipe.moveDepth = 3;
    recipe.judgeDepth = 4;
    recipe.seed = seed;
    return recipe;
}

std::string PositionOf(const std::string& sfen) { return sfen.substr(0, sfen.rfind(' ')); }

} // namespace

TEST(OpeningMaker, MakesDistinctPlayablePositionsSixToEightPliesFromTheStart)
{
    const std::vector<std::string> openings = MakeOpenings(SmallRecipe(1));
    ASSERT_EQ(openings.size(), 6u);
    std::set<std::string> positions;
    for (const std::string& opening : openings) {
        SfenHeader header;
        std::string error;
        ASSERT_TRUE(ReadSfen(opening, header, error)) << opening << ": " << error;
        EXPECT_GE(header.moveNumber, 7) << opening;
        EXPECT_LE(header.moveNumber, 9) << opening;
        EXPECT_TRUE(positions.insert(PositionOf(opening)).second) << "twice: " << opening;
    }
    std::stringstream file;
    WriteOpeningsFile(SmallRecipe(1), openings, file);
    std::string error;
    EXPECT_EQ(ReadOpenings(file, StandardRules, error), openings) << error;
}

TEST(OpeningMaker, SameSeedMakesTheSameOpeningsAndAnotherSeedOthers)
{
    EXPECT_EQ(MakeOpenings(SmallRecipe(7)), MakeOpenings(SmallRecipe(7)));
    EXPECT_NE(MakeOpenings(SmallRecipe(7)), MakeOpenings(SmallRecipe(8)));
}

// The committed set of four hundred keeps the recipe's shape: each position once, 6 to 8 plies in.
TEST(OpeningMaker, CommittedSetHoldsFourHundredDistinctPositionsSixToEightPliesIn)
{
    std::ifstream file(VELMORA_MATCH_OPENINGS_400);
    std::string error;
    const std::vector<std::string> openings = ReadOpenings(file, StandardRules, error);
    EXPECT_EQ(openings.size(), 400u) << error;
    std::set<std::string> positions;
    for (const std::string& opening : openings) {
        const int moveNumber = std::stoi(opening.substr(opening.rfind(' ') + 1));
        EXPECT_TRUE(moveNumber >= 7 && moveNumber <= 9) << opening;
        EXPECT_TRUE(positions.insert(PositionOf(opening)).second) << "twice: " << opening;
    }
}
