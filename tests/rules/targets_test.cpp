#include "rules/ply_stack.h"
#include "rules/targets.h"
#include "tests/support/case_names.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// The TargetMap of ply 1 as rows y = 1..5 joined by '/', columns x = 1..5 left to right:
// '.' none, 'o' own piece, '1' move, '2' optional promotion, '3' forced promotion.
std::string TargetPicture()
{
    std::string out;
    for (int y = 1; y <= BoardSize; ++y) {
        for (int x = 1; x <= BoardSize; ++x) {
            const int code = TargetMap[1][x][y];
            out += code == TargetOwnPiece ? 'o' : code == TargetNone ? '.' : char('0' + code);
        }
        if (y < BoardSize)
            out += '/';
    }
    return out;
}

struct TargetCase {
    const char* name;
    const char* sfen;
    int x, y; // the source cell: a board square, or (type, 6 or 7) for a drop
    const char* targets;
};

void PrintTo(const TargetCase& c, std::ostream* os)
{
    *os << c.name << " " << c.sfen << " from (" << c.x << "," << c.y << ")";
}

class Targets : public testing::TestWithParam<TargetCase> { };

} // namespace

TEST_P(Targets, MatchTheRulesOfMovementPromotionAndDrops)
{
    const TargetCase& c = GetParam();
    LoadSfen(c.sfen);
    TargetMap[1][3][3] = 7; // a stale code from an earlier call must not survive
    GenerateTargets(1, c.x, c.y);
    EXPECT_EQ(TargetPicture(), c.targets) << c.sfen << " from (" << c.x << "," << c.y << ")";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Targets, testing::Values(
    TargetCase { "StartPawn", "kgsbr/p4/5/4P/RBSGK b - 1", 5, 4, "...../...../....1/...../....." },
    TargetCase { "StartKing", "kgsbr/p4/5/4P/RBSGK b - 1", 5, 5, "...../...../...../...1o/...o." },
    TargetCase { "PawnMustPromoteOnTheFarRow", "k4/2P2/5/5/4K b - 1", 3, 2, "..3../...../...../...../....." },
    TargetCase { "PawnCapturesIntoTheFarRow", "k1p2/2P2/5/5/4K b - 1", 3, 2, "..3../...../...../...../....." },
    TargetCase { "SilverLeavingTheFarRowMayPromote", "k1S2/5/5/5/4K b - 1", 3, 1, "...../.2.2./...../...../....." },
    TargetCase { "SilverBelowThePromotionZoneMayNot", "k4/5/2S2/5/4K b - 1", 3, 3, "...../.111./...../.1.1./....." },
    TargetCase { "RookOnTheFarRowMayPromoteEverywhere", "R4/5/2k2/5/4K b - 1", 1, 1, ".2222/2..../2..../2..../2...." },
    TargetCase { "RookBelowMayPromoteOnlyEnteringRow1", "2k2/5/R4/5/4K b - 1", 1, 3, "2..../1..../.1111/1..../1...." },
    TargetCase { "GoteBishopEnteringRow5", "k4/5/2b2/5/3K1 w - 1", 3, 3, "o...1/.1.1./...../.1.1./2...2" },
    TargetCase { "SlideStopsAtTheFirstPiece", "k4/3p1/1P1R1/5/4K b - 1", 4, 3, "...../...1./.o1.1/...1./...1." },
    TargetCase { "DragonNeverPromotes", "2k2/5/5/5/+R3K b - 1", 1, 5, "1..../1..../1..../11.../.111o" },
    TargetCase { "SentePawnDropSkipsRow1AndPawnColumns", "k4/2P2/5/5/4K b P 1", 1, 6, "...../11.11/11.11/11.11/11.1." },
    TargetCase { "ATokinLeavesItsColumnOpen", "k4/5/5/4+P/4K b P 1", 1, 6, "...../11111/11111/1111./1111." },
    TargetCase { "GotePawnDropSkipsRow5NotSentePawnColumns", "k4/5/2P2/5/4K w p 1", 1, 7, ".1111/11111/11.11/11111/....." },
    TargetCase { "GoldDropReachesEveryEmptySquare", "k4/5/5/5/4K b G 1", 5, 6, ".1111/11111/11111/11111/1111." }),
    CaseName);
// clang-format on
