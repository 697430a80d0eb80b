#include "usi/usi_session.h"

#include "rules/ply_stack.h"
#include "rules/sfen.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Feeds lines to a fresh session and returns everything it printed.
class Usi {
public:
    std::string Send(const std::string& line)
    {
        out_.str("");
        session_.Handle(line);
        return out_.str();
    }
    std::string Position() { return WriteSfen(1, {}).substr(0, WriteSfen(1, {}).find(' ')); }

private:
    std::ostringstream out_;
    UsiSession session_ { out_ };
};

std::string BestMove(const std::string& answer)
{
    const size_t at = answer.find("bestmove ");
    return at == std::string::npos ? "" : answer.substr(at + 9, answer.find('\n', at) - at - 9);
}

} // namespace

TEST(UsiSession, IdentifiesItselfAndAnswersIsReady)
{
    Usi usi;
    EXPECT_EQ(usi.Send("usi"), "id name Velmora\nid author the Velmora developers\nusiok\n");
    EXPECT_EQ(usi.Send("isready"), "readyok\n");
    EXPECT_EQ(usi.Send("usinewgame"), "");
    EXPECT_EQ(usi.Send("frobnicate now"), "info string error: unknown command 'frobnicate'\n");
}

TEST(UsiSession, AnErrorQuotesTheInputAsOneShortPrintableLine)
{
    Usi usi;
    const struct {
        std::string line, answer;
    } cases[] = {
        { "position startpos moves 1d1c\x1a",
            "info string error: move 1: move '1d1c?' is not a USI move\n" },
        { "position sfen kg\xc3\x28"
          "br/p4/5/4P/RBSGK b - 1",
            "info string error: sfen: unknown piece '?' in row 1\n" },
        { "\x1b[2Jisready", "info string error: unknown command '?[2Jisready'\n" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(usi.Send(c.line), c.answer) << c.line;
    const std::string longSide
        = usi.Send("position sfen kgsbr/p4/5/4P/RBSGK " + std::string(300, 'x') + " - 1");
    EXPECT_EQ(longSide.size(), std::string("info string error: ").size() + 200 + 4) << longSide;
}

TEST(UsiSession, GoesFromTheStartBeforeAnyPositionAndLeavesThePositionAlone)
{
    Usi usi;
    const std::string answer = usi.Send("go infinite");
    EXPECT_NE(answer.find("info score cp "), std::string::npos) << answer;
    EXPECT_FALSE(BestMove(answer).empty()) << answer;
    EXPECT_EQ(usi.Position(), "kgsbr/p4/5/4P/RBSGK");
}

TEST(UsiSession, ReportsAMateFoundAndAResignation)
{
    Usi usi;
    usi.Send("position sfen k4/5/1G3/5/4K b G 1");
    EXPECT_EQ(usi.Send("go"), "info string mate found\nbestmove G*5b\n");
    usi.Send("position sfen k4/5/3g1/5/4K b g 1");
    EXPECT_EQ(usi.Send("go"), "info score cp -9000\nbestmove resign\n");
}

TEST(UsiSession, ABadPositionOrMoveLeavesThePreviousPosition)
{
    Usi usi;
    usi.Send("position startpos moves 1d1c");
    const std::string before = usi.Position();
    for (const char* bad :
        { "position startpos moves 1d1c 1c1b", "position sfen kgsbr/p4/5/4P/RBSGK x - 1",
            "position sfen", "position", "position startpos junk 1d1c" }) {
        EXPECT_EQ(usi.Send(bad).rfind("info string error: ", 0), 0u) << bad;
        EXPECT_EQ(usi.Position(), before) << bad;
    }
    EXPECT_EQ(usi.Send("go perft 1").substr(0, 6), "5a4b: ") << "Gote is still to move";
}

TEST(UsiSession, PerftDividesByRootMove)
{
    Usi usi;
    usi.Send("position startpos");
    const std::string answer = usi.Send("go perft 2");
    EXPECT_EQ(answer.substr(0, 8), "5e5b: 2\n") << "the rook takes the pawn with check";
    EXPECT_NE(answer.find("\n\nNodes searched: 181\n"), std::string::npos) << answer;
    for (const char* depth : { "0", "8", "-1", "x", "" })
        EXPECT_EQ(usi.Send(std::string("go perft ") + depth).rfind("info string error: ", 0), 0u)
            << depth;
}

TEST(UsiSession, PlaysItselfFromEveryLevelWithoutError)
{
    for (const char* start :
        { "kgsbr/p4/5/4P/RBSGK b - 1", "kgsbr/p4/5/4P/R1SGK b - 1", "kgsbr/p4/5/4P/2SGK b - 1" }) {
        Usi usi;
        std::string moves;
        for (int ply = 0; ply < 12; ++ply) {
            const std::string answer
                = usi.Send("position sfen " + std::string(start) + " moves" + moves);
            ASSERT_EQ(answer, "") << moves;
            const std::string move = BestMove(usi.Send("go"));
            ASSERT_FALSE(move.empty());
            if (move == "resign")
                break;
            moves += " " + move;
        }
    }
}

TEST(UsiSession, RefusesAPerftThatWouldCountPastItsNodeLimit)
{
    std::ostringstream out;
    UsiSession session(out, 2512);
    session.Handle("go perft 3");
    EXPECT_NE(out.str().find("\nNodes searched: 2512\n"), std::string::npos) << out.str();
    out.str("");
    session.Handle("go perft 4");
    EXPECT_EQ(out.str(),
        "info string error: perft 4 counts more than 2512 nodes in this position; try a smaller "
        "depth\n");
}
