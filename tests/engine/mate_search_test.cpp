#include "engine/board/check_geometry.h"
#include "engine/classic/mate_search.h"
#include "rules/check.h"
#include "tests/reference/plain_engine.h"
#include "tests/support/case_names.h"
#include "tests/support/sfen_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// The searches on the position of ply p.
bool FindMate(int p, int s, int depth) { return ::FindMate(LoadBoard(p, 0), s, depth); }
int32_t ClassifyMateMove(int p, int s, int32_t best)
{
    return ::ClassifyMateMove(LoadBoard(p, 0), s, best);
}
bool EveryReplyMated(int p, int s) { return ::EveryReplyMated(LoadBoard(p, 0), s); }

struct LineCase {
    const char* name;
    const char* sfen; // Sente to move, its king in check (or not)
    const char* marked; // rows y = 1..5, '1' marked
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name << " " << c.sfen; }

// The engine's check lines of side s's king in ply 1.
Bitboard EngineCheckLines(int s) { return CheckLines(LoadBoard(1, 0), s); }

class CheckLineSquares : public testing::TestWithParam<LineCase> { };

// Rows y = 1..5 of the marked squares, joined by '/'.
template <typename Marked> std::string LinePicture(Marked&& marked)
{
    std::string out;
    for (int y = 1; y <= BoardSize; ++y) {
        for (int x = 1; x <= BoardSize; ++x)
            out += marked(x, y) ? '1' : '.';
        out += y < BoardSize ? "/" : "";
    }
    return out;
}

} // namespace

// The engine's square set and the yardstick's CheckLineMap against the same pictures.
TEST_P(CheckLineSquares, MarkCheckersAndTheSquaresBetween)
{
    LoadSfen(GetParam().sfen);
    const Bitboard lines = EngineCheckLines(Sente);
    EXPECT_EQ(LinePicture([&](int x, int y) { return (lines & Bit(SquareAt(x, y))) != 0; }),
        GetParam().marked)
        << GetParam().sfen;
    plain::MarkCheckLines(1, Sente);
    EXPECT_EQ(
        LinePicture([](int x, int y) { return CheckLineMap[1][x][y] != 0; }), GetParam().marked)
        << "plain engine: " << GetParam().sfen;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CheckLineSquares, testing::Values(
    LineCase { "RookBesideTheKing", "k4/5/5/4r/4K b - 1", "...../...../...../....1/....." },
    LineCase { "RookDownAnOpenFile", "k3r/5/5/5/4K b - 1", "....1/....1/....1/....1/....." },
    LineCase { "BlockedDiagonal", "k4/5/2b2/3P1/4K b - 1", "...../...../...../...../....." },
    LineCase { "GoldAndRookBothCheck", "k4/5/4r/3g1/1b2K b - 1", "...../...../....1/...11/....." },
    LineCase { "NoCheck", "4k/5/5/5/4K b - 1", "...../...../...../...../....." }),
    CaseName);
// clang-format on

TEST(CheckCandidates, MarkNearAndDistantCheckersOfTheAttacker)
{
    using namespace plain;
    LoadSfen("k4/5/1+B1+S1/5/3RK b 2PG 1");
    MarkCheckCandidates(1, Sente);
    EXPECT_EQ(CheckCandidateMap[1][Pawn][6], CandidateNear);
    EXPECT_EQ(CheckCandidateMap[1][Gold][6], CandidateNear);
    EXPECT_EQ(CheckCandidateMap[1][Silver][6], CandidateNone);
    EXPECT_EQ(CheckCandidateMap[1][2][3], CandidateAny); // horse
    EXPECT_EQ(CheckCandidateMap[1][4][3], CandidateNear); // promoted silver
    EXPECT_EQ(CheckCandidateMap[1][4][5], CandidateAny); // rook
    EXPECT_EQ(CheckCandidateMap[1][5][5], CandidateNone); // the attacking king never moves
    EXPECT_EQ(CheckCandidateMap[1][1][1], CandidateNone);

    LoadSfen("k4/5/5/5/4K b - 1");
    EXPECT_FALSE(::FindMate(LoadBoard(1, 0), Sente, 5)) << "a bare king cannot give check";
}

namespace {

struct MateCase {
    const char* name;
    const char* sfen;
    int depth;
    bool mates; // FindMate(1, side to move, depth)
};

void PrintTo(const MateCase& c, std::ostream* os)
{
    *os << c.name << " " << c.sfen << " depth " << c.depth;
}

class Mates : public testing::TestWithParam<MateCase> { };

} // namespace

TEST_P(Mates, AreFoundByChecksWithinTheDepth)
{
    const int side = LoadSfen(GetParam().sfen);
    EXPECT_EQ(FindMate(1, side, GetParam().depth), GetParam().mates)
        << GetParam().sfen << " depth " << GetParam().depth;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Mates, testing::Values(
    MateCase { "DepthOneNeverMates", "k4/5/1G3/5/4K b G 1", 1, false },
    MateCase { "GoldDropMatesAtDepthTwo", "k4/5/1G3/5/4K b G 1", 2, true },
    MateCase { "DepthThreeAsDepthTwo", "k4/5/1G3/5/4K b G 1", 3, true },
    MateCase { "GoldDropMatesForGote", "k4/5/3g1/5/4K w g 1", 2, true },
    MateCase { "LoneGoldDropIsTakenOrSidestepped", "k4/5/5/5/4K b G 1", 2, false },
    MateCase { "PawnDropChecksButLeavesAFlight", "k4/5/1G3/5/4K b P 1", 2, false },
    MateCase { "MateInThreeIsNotAMateInTwo", "k1r2/p2sb/3gP/1SB2/R1GK1 b - 11", 4, false },
    MateCase { "MateInTwoIsNotAMateInOne", "kB2p/5/1r1sr/S1b1P/1G1GK w - 40", 2, false },
    MateCase { "MateInTwoForGote", "kB2p/5/1r1sr/S1b1P/1G1GK w - 40", 4, true }),
    CaseName);
// clang-format on

TEST(FindEscape, DepthOneAsksOnlyForALegalReply)
{
    // G*5b mates with the gold at 4c behind it; alone, the dropped gold is taken.
    MakeCandidate("k4/5/1G3/5/4K b G 1", "G*5b");
    EXPECT_FALSE(FindEscape(2, Gote, 0));
    EXPECT_FALSE(FindEscape(2, Gote, 1));
    MakeCandidate("k4/5/5/5/4K b G 1", "G*5b");
    EXPECT_TRUE(FindEscape(2, Gote, 1));
}

TEST(FindEscape, InDoubleCheckOnlyTheKingMayMove)
{
    // The rook checks along row a and uncovers the bishop; the gold takes the rook in vain.
    MakeCandidate("k2g1/5/P1R2/3B1/4K b - 1", "3c3a");
    EXPECT_FALSE(FindEscape(2, Gote, 1)) << "taking one checker leaves the other";
    MakeCandidate("k2g1/5/P1R2/5/4K b - 1", "3c3a");
    EXPECT_TRUE(FindEscape(2, Gote, 1)) << "against the rook alone Gote has a way out";
}

namespace {

struct ClassCase {
    const char* name;
    const char* sfen;
    const char* move;
    int32_t best;
    int32_t expected;
};

void PrintTo(const ClassCase& c, std::ostream* os)
{
    *os << c.name << " " << c.sfen << " " << c.move << " best " << c.best;
}

class Classify : public testing::TestWithParam<ClassCase> { };

} // namespace

TEST_P(Classify, RatesMatesAndSkipsSearchesThatCannotBeatBest)
{
    const ClassCase& c = GetParam();
    const int side = MakeCandidate(c.sfen, c.move);
    EXPECT_EQ(ClassifyMateMove(2, side, c.best), c.expected)
        << c.sfen << " " << c.move << " best " << c.best;
}

// B*4b mates in two, G*4b at once.
constexpr const char* TwoMates = "k3p/2+BS1/2rr1/4P/2SGK b BG 53";
constexpr const char* ThreeMoveMate = "k1r2/p2sb/3gP/1SB2/R1GK1 b - 11";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Classify, testing::Values(
    ClassCase { "MateInTwo", TwoMates, "B*4b", -20000, MateInTwo },
    ClassCase { "MateInTwoAfterOneIsSkipped", TwoMates, "B*4b", MateInTwo, 0 },
    ClassCase { "MateAtOnceBeatsAnEarlierMateInTwo", TwoMates, "G*4b", MateInTwo, MateAtOnce },
    ClassCase { "NothingAfterAMateAtOnce", TwoMates, "G*4b", MateAtOnce, 0 },
    ClassCase { "MateInThree", ThreeMoveMate, "5e5b", -20000, MateInThree },
    ClassCase { "MateInThreeAfterOneIsSkipped", ThreeMoveMate, "5e5b", MateInThree, 0 },
    ClassCase { "NoCheckIsNoMate", ThreeMoveMate, "5e4e", -20000, 0 },
    ClassCase { "CheckThatOpensTheRookOnTheOwnKing", "5/5/3k1/5/r2GK b - 1", "2e2d", -20000, OwnKingLeftAttacked },
    ClassCase { "OwnKingLeftAttackedAfterAMateAtOnce", "5/5/3k1/5/r2GK b - 1", "2e2d", MateAtOnce, 0 }),
    CaseName);
// clang-format on

TEST(EveryReplyMated, IsTrueWithoutAnyReplyAndFalseOnceOneSurvives)
{
    // The gold takes 5b and 4b, the silver 4a: Gote has no legal move and is not in check.
    const int side = MakeCandidate("k4/2S2/5/1G3/4K b - 1", "4d4c");
    EXPECT_EQ(IsKingAttacked(2, Gote), 0);
    EXPECT_TRUE(EveryReplyMated(2, side));
    EXPECT_FALSE(EveryReplyMated(2, MakeCandidate("kgsbr/p4/5/4P/RBSGK b - 1", "1d1c")));
}

// Gote's rook could take Sente's king at once: the searches answer without making a move, where
// the king's capture would leave them a king square of -1 to look at.
TEST(MateSearch, AKingThatCanBeTakenEndsTheQuestionBeforeAnyMove)
{
    LoadSfen("r4/K4/5/3G1/4k b - 1");
    const SearchBoard board = LoadBoard(1, 0);
    EXPECT_TRUE(FindMate(board, Gote, 2)) << "taking the king needs no mate";
    EXPECT_FALSE(FindMate(board, Gote, 1)) << "depth 1 never mates";
    EXPECT_FALSE(EveryReplyMated(board, Sente)) << "the reply that takes the king survives";
}
