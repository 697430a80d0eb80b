#include "usi/usi_session.h"

#include "record/record_reader.h"
#include "rules/sfen.h"
#include "tests/support/case_names.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

// The engine program and the window's record reader read a USI position line with one reader:
// they take and refuse the same lines and reach the same position.

namespace {

struct LineCase {
    const char* name;
    const char* line;
    bool accepted;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.line; }

class PositionLine : public testing::TestWithParam<LineCase> { };

TEST_P(PositionLine, IsReadAlikeByTheEngineProgramAndTheRecordReader)
{
    const LineCase& c = GetParam();
    GameRecord record;
    std::string error;
    const bool read = ReadGameRecord(c.line, VelmoraRules, record, error);
    EXPECT_EQ(read, c.accepted) << c.line << "\n" << error;

    std::ostringstream out;
    UsiSession session(out);
    session.Handle("setoption name USI_Variant value velmora");
    session.Handle(c.line);
    EXPECT_EQ(session.HasPosition(), c.accepted) << c.line << "\n" << out.str();
    if (!read || !session.HasPosition())
        return;
    const int moveNumber = int(record.moves.size()) + 1;
    EXPECT_EQ(WriteSfen(1, SfenHeader { session.SideToMove(), moveNumber }), record.CurrentSfen())
        << c.line;
}

INSTANTIATE_TEST_SUITE_P(Lines, PositionLine,
    testing::Values(LineCase { "Startpos", "position startpos", true },
        LineCase { "StartposWithMoves", "position startpos moves 1d1c 5b5c", true },
        LineCase { "MovesKeywordAlone", "position startpos moves", true },
        LineCase {
            "SfenWithADropThatMates", "position sfen 4k/2S2/3G1/5/K4 b P 1 moves P*1b", true },
        LineCase { "SfenWithSpacesDoubled", "position  sfen kgsbr/p4/5/4P/RBSGK  w  -  1", true },
        LineCase { "NoStart", "position", false },
        LineCase { "UnknownStart", "position fen kgsbr/p4/5/4P/RBSGK b - 1", false },
        LineCase { "WordWhereMovesBelongs", "position startpos junk 1d1c", false },
        LineCase { "MovesGlued", "position sfen kgsbr/p4/5/4P/RBSGK b - 1 moves1d1c", false },
        LineCase { "BadSideToMove", "position sfen kgsbr/p4/5/4P/RBSGK x - 1", false },
        LineCase { "IllegalMove", "position startpos moves 1d1b", false },
        LineCase { "UnreadableMove", "position startpos moves 1d1c 9z9y", false }),
    CaseName);

} // namespace
