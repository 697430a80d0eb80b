#include "rules/perft.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

namespace {

struct PerftCase {
    const char* sfen;
    int depth;
    uint64_t nodes;
};

class PerftCounts : public testing::TestWithParam<PerftCase> { };

} // namespace

TEST_P(PerftCounts, MatchAnIndependentRulesLibrary)
{
    const int side = LoadSfen(GetParam().sfen);
    EXPECT_EQ(Perft(1, side, GetParam().depth), GetParam().nodes)
        << GetParam().sfen << " depth " << GetParam().depth;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Levels, PerftCounts, testing::Values(
    PerftCase { "kgsbr/p4/5/4P/RBSGK b - 1", 1, 14 },
    PerftCase { "kgsbr/p4/5/4P/RBSGK b - 1", 2, 181 },
    PerftCase { "kgsbr/p4/5/4P/RBSGK b - 1", 3, 2512 },
    PerftCase { "kgsbr/p4/5/4P/RBSGK b - 1", 4, 35401 },
    PerftCase { "kgsbr/p4/5/4P/R1SGK b - 1", 1, 11 },
    PerftCase { "kgsbr/p4/5/4P/R1SGK b - 1", 2, 140 },
    PerftCase { "kgsbr/p4/5/4P/R1SGK b - 1", 3, 1693 },
    PerftCase { "kgsbr/p4/5/4P/R1SGK b - 1", 4, 23746 },
    PerftCase { "kgsbr/p4/5/4P/2SGK b - 1", 1, 7 },
    PerftCase { "kgsbr/p4/5/4P/2SGK b - 1", 2, 97 },
    PerftCase { "kgsbr/p4/5/4P/2SGK b - 1", 3, 799 },
    PerftCase { "kgsbr/p4/5/4P/2SGK b - 1", 4, 11596 }));
// clang-format on

TEST(Perft, DivideListsEachLegalRootMoveInScanOrder)
{
    const int side = LoadSfen("kgsbr/p4/5/4P/RBSGK b - 1");
    const auto entries = PerftDivide(side, 2);
    ASSERT_EQ(entries.size(), 14u);
    uint64_t total = 0;
    for (const auto& e : entries)
        total += e.nodes;
    EXPECT_EQ(total, 181u);
    EXPECT_EQ(entries.front().move, (Move { 1, 5, 1, 2, 0 })); // the rook, first source in x then y
}
