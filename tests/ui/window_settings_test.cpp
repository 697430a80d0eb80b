#include "ui/window_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct StoredCase {
    const char* name;
    WindowSettings stored;
    WindowSettings valid;
};

void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.name; }

class StoredSettings : public testing::TestWithParam<StoredCase> { };

// Every value is checked on its own: one bad value falls back to its default and leaves the
// others as they were stored.
// clang-format off
const StoredCase Cases[] = {
    { "AllDefaults",         { 1, "velmora", "classic", 3000, "english" },  { 1, "velmora", "classic", 3000, "english" } },
    { "AllChosen",           { 3, "standard", "strong", 10000, "usi" },     { 3, "standard", "strong", 10000, "usi" } },
    { "LargestZoom",         { 40, "velmora", "strong", 1000, "japanese" }, { 40, "velmora", "strong", 1000, "japanese" } },
    { "ZoomZero",            { 0, "standard", "strong", 1000, "usi" },      { 1, "standard", "strong", 1000, "usi" } },
    { "ZoomNegative",        { -2, "standard", "strong", 1000, "usi" },     { 1, "standard", "strong", 1000, "usi" } },
    { "ZoomBeyondAnyScreen", { 41, "standard", "strong", 1000, "usi" },     { 1, "standard", "strong", 1000, "usi" } },
    { "UnknownRules",        { 2, "chess", "strong", 1000, "usi" },         { 2, "velmora", "strong", 1000, "usi" } },
    { "RulesInCapitals",     { 2, "STANDARD", "strong", 1000, "usi" },      { 2, "velmora", "strong", 1000, "usi" } },
    { "RulesAsTheEngineNamesThem", { 2, "minishogi", "strong", 1000, "usi" }, { 2, "velmora", "strong", 1000, "usi" } },
    { "ALadderRung",         { 2, "standard", "club", 1000, "usi" },        { 2, "standard", "club", 1000, "usi" } },
    { "UnknownComputer",     { 2, "standard", "deep", 1000, "usi" },        { 2, "standard", "classic", 1000, "usi" } },
    { "EmptyComputer",       { 2, "standard", "", 1000, "usi" },            { 2, "standard", "classic", 1000, "usi" } },
    { "ThinkingTimeNotOffered", { 2, "standard", "strong", 2000, "usi" },   { 2, "standard", "strong", 3000, "usi" } },
    { "ThinkingTimeZero",    { 2, "standard", "strong", 0, "usi" },         { 2, "standard", "strong", 3000, "usi" } },
    { "ThinkingTimeInSeconds", { 2, "standard", "strong", 10, "usi" },      { 2, "standard", "strong", 3000, "usi" } },
    { "UnknownNotation",     { 2, "standard", "strong", 1000, "french" },   { 2, "standard", "strong", 1000, "english" } },
    { "EverythingWrong",     { 999, "x", "y", -1, "z" },                    { 1, "velmora", "classic", 3000, "english" } },
};
// clang-format on

TEST_P(StoredSettings, KeepValidValuesAndTurnEachBadOneToItsDefault)
{
    EXPECT_EQ(ValidSettings(GetParam().stored), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredSettings, testing::ValuesIn(Cases),
    [](const testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

// The stored names and the rules and computers they stand for go both ways.
TEST(StoredNames, NameTheRulesAndTheComputersBothWays)
{
    for (const RuleSet* rules : { &VelmoraRules, &StandardRules })
        EXPECT_EQ(&RulesNamed(RulesName(*rules)), rules) << rules->name;
    for (const Computer computer : { Computer::Classic, Computer::Strong })
        EXPECT_EQ(ComputerNamed(ComputerName(computer)), computer) << ComputerName(computer);
    for (size_t rung = 0; rung < std::size(ComputerLadder); ++rung) {
        EXPECT_EQ(LevelNamed(LevelName(rung)), rung) << LevelName(rung);
        EXPECT_EQ(ComputerNamed(LevelName(rung)), Computer::Strong) << LevelName(rung);
    }
    EXPECT_EQ(RulesName(StandardRules), "standard");
    EXPECT_EQ(ComputerName(Computer::Strong), "strong");
    EXPECT_EQ(LevelName(FullStrength), "strong") << "the name stored before the ladder";
}

} // namespace
