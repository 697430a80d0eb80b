#include "tools/match/openings.h"

#include "rules/rule_tables.h"
#include "rules/sfen.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// The committed files: the first fifty, and the four hundred made by velmora-match itself.
constexpr const char* ShippedFiles[] = { VELMORA_MATCH_OPENINGS, VELMORA_MATCH_OPENINGS_400 };

std::vector<std::string> ReadShippedOpenings(const RuleSet& rules, std::string& error)
{
    std::vector<std::string> openings;
    for (const char* path : ShippedFiles) {
        std::ifstream file(path);
        EXPECT_TRUE(file) << path;
        const std::vector<std::string> read = ReadOpenings(file, rules, error);
        EXPECT_FALSE(read.empty()) << path << ": " << error;
        openings.insert(openings.end(), read.begin(), read.end());
    }
    return openings;
}

} // namespace

TEST(Openings, ShippedFilesHoldOnlyPlayablePositions)
{
    std::string error;
    const std::vector<std::string> openings = ReadShippedOpenings(StandardRules, error);
    EXPECT_FALSE(openings.empty()) << error;
    for (const std::string& opening : openings) {
        SfenHeader header;
        ASSERT_TRUE(ReadSfen(opening, header, error)) << opening;
        EXPECT_EQ(WriteSfen(1, header), opening) << "written as Velmora writes it";
    }
}

TEST(Openings, MirroredServeVelmorasRules)
{
    EXPECT_EQ(MirrorSfen("rbsgk/4p/5/P4/KGSBR b - 1"), StartSfen);
    EXPECT_EQ(MirrorSfen("r1+Sg1/2b1p/5/P+R3/KG3 w Bs 7"), "1g+S1r/p1b2/5/3+RP/3GK w Bs 7");
    std::string error;
    for (const std::string& opening : ReadShippedOpenings(StandardRules, error)) {
        EXPECT_EQ(MirrorSfen(MirrorSfen(opening)), opening);
        std::istringstream mirrored(MirrorSfen(opening));
        EXPECT_EQ(ReadOpenings(mirrored, VelmoraRules, error).size(), 1u)
            << opening << ": " << error;
    }
}

TEST(Openings, UnplayableLinesAreRefusedByLine)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        { "# a comment\n\nrbsgk/4p/5/P4/KGSBR b - 1\nrbsgk/4p/5/P4/KGSBR x - 1\n",
            "line 4 'rbsgk/4p/5/P4/KGSBR x - 1': " },
        { "k4/5/5/5/r3K w - 1\n",
            "line 1 'k4/5/5/5/r3K w - 1': sfen: Sente, not to move, is in check" },
        { "k4/1G3/1G3/5/4K w - 1\n",
            "line 1 'k4/1G3/1G3/5/4K w - 1': the side to move has no legal move" },
        { "# only a comment\n", "no opening positions" },
    };
    for (const auto& c : cases) {
        std::istringstream in(c.text);
        std::string error;
        EXPECT_TRUE(ReadOpenings(in, StandardRules, error).empty()) << c.text;
        EXPECT_TRUE(error.starts_with(c.error)) << c.text << ": " << error;
    }
}
