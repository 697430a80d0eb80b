#include "usi/usi_session.h"

#include "engine/classic/random_below.h"
#include "rules/check.h"
#include "rules/ply_stack.h"
#include "rules/sfen.h"

#include "tests/support/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Feeds lines to a fresh session, as a freshly started program, and returns what each printed.
// Lines queued with Arrive come in while a count or search runs, through the session's poll.
class Usi {
public:
    Usi() { RandomSeed = 0; }

    std::string Send(const std::string& line)
    {
        out_.str("");
        goesOn_ = session_.Handle(line);
        return WithoutTimes(out_.str());
    }
    void Arrive(const std::string& line) { arriving_.push_back(line); }
    // Holds the arriving lines back until the session has printed text.
    void AwaitPrinted(const std::string& text) { awaited_ = text; }
    // Whether the session has taken every line that was to arrive.
    bool AllArrived() const { return arriving_.empty(); }
    bool GoesOn() const { return goesOn_; }
    int SideToMove() const { return session_.SideToMove(); }

private:
    // Times differ from run to run; node counts do not.
    static std::string WithoutTimes(std::string text)
    {
        constexpr std::string_view Digits = "0123456789";
        for (size_t at = text.find(" time "); at != std::string::npos;
             at = text.find(" time ", at + 1)) {
            const size_t nps = text.find_first_not_of(Digits, at + 6);
            if (nps == std::string::npos || text.compare(nps, 5, " nps ") != 0)
                continue;
            const size_t end = text.find_first_not_of(Digits, nps + 5);
            text.replace(at, end - at, " time T nps N");
        }
        return text;
    }
    std::optional<std::string> Poll()
    {
        if (arriving_.empty() || out_.str().find(awaited_) == std::string::npos)
            return std::nullopt;
        std::string line = arriving_.front();
        arriving_.pop_front();
        return line;
    }

    std::ostringstream out_;
    std::deque<std::string> arriving_;
    std::string awaited_;
    UsiSession session_ { out_, [this] { return Poll(); } };
    bool goesOn_ = true;
};

struct Exchange {
    std::string in, out;
};

struct Conversation {
    const char* name;
    std::vector<Exchange> exchanges;
};

void PrintTo(const Conversation& c, std::ostream* os) { *os << c.name; }

class Protocol : public testing::TestWithParam<Conversation> { };

} // namespace

TEST_P(Protocol, AnswersEachLineAsAFrontEndExpects)
{
    Usi usi;
    for (const Exchange& e : GetParam().exchanges)
        EXPECT_EQ(usi.Send(e.in), e.out) << "after '" << e.in << "'";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Conversations, Protocol, testing::Values(
    Conversation { "Handshake", {
        { "usi", "id name Velmora " VELMORA_VERSION "\nid author the Velmora developers\n"
                 "option name USI_Variant type combo default minishogi var minishogi var velmora\n"
                 "option name Computer type combo default strong var strong var classic\n"
                 "option name USI_Hash type spin default 64 min 1 max 4096\n"
                 "option name Threads type spin default 1 min 1 max 64\n"
                 "option name MultiPV type spin default 1 min 1 max 600\n"
                 "option name SkillLevel type spin default 20 min 0 max 20\n"
                 "option name MoveOverhead type spin default 30 min 0 max 5000\n"
                 "option name USI_Ponder type check default false\n"
                 "usiok\n" },
        { "setoption name USI_Hash value 256", "" },
        { "setoption name USI_Ponder value true", "" },
        { "setoption name USI_Ponder value 0", "" },
        { "setoption name USI_Ponder value 1", "" },
        { "setoption name USI_Ponder value FALSE", "" },
        { "isready", "readyok\n" },
        { "usinewgame", "" },
        { "debug on", "" },
        { "register later", "" },
        { "stop", "" },
        { "ponderhit", "" },
        { "gameover win", "" },
        { "frobnicate now", "info string error: unknown command 'frobnicate'\n" } } },
    Conversation { "CarriageReturnsAndTabs", {
        { "setoption name Computer value classic", "" },
        { "isready\r", "readyok\n" },
        { "position\tsfen kgsbr/p4/5/4P/RBSGK\tb - 1\r", "" },
        { "go\tbyoyomi 1000\r", "info depth 4 nodes 269 time T nps N score cp 570 pv 4e3d\nbestmove 4e3d\n" },
        { "isready\r\r", "info string error: unknown command 'isready?'\n" },
        { "\t\r", "" } } },
    Conversation { "StartposIsTheChosenVariantsStart", {
        { "position startpos moves 5d5c 1b1c", "" },
        { "position startpos moves 1d1c", "info string error: move 1: move '1d1c' is illegal: "
                                          "the side to move has no such piece there or in hand\n" },
        { "setoption name usi_variant value VELMORA", "" },
        { "position startpos moves 1d1c 5b5c", "" },
        { "setoption name USI_Variant value minishogi", "" },
        { "position startpos moves 1d1c", "info string error: move 1: move '1d1c' is illegal: "
                                          "the side to move has no such piece there or in hand\n" } } },
    Conversation { "PawnDropMateUnderEachVariant", {
        { "setoption name Computer value classic", "" },
        { "position sfen 4k/2S2/3G1/5/K4 b P 1 moves P*1b",
          "info string error: move 1: move 'P*1b' is illegal: a pawn drop may not give mate\n" },
        { "position sfen 4k/2S2/3G1/5/K4 b P 1", "" },
        { "go", "info depth 4 nodes 291 time T nps N score cp 50000 pv 5e5d\nbestmove 5e5d\n" },
        { "setoption name USI_Variant value velmora", "" },
        { "position sfen 4k/2S2/3G1/5/K4 b P 1", "" },
        { "go", "info depth 4 nodes 2 time T nps N score mate 1 pv P*1b\nbestmove P*1b\n" },
        { "position sfen 4k/2S2/3G1/5/K4 b P 1 moves P*1b", "" } } },
    Conversation { "ARefusedPositionLeavesNone", {
        { "setoption name Computer value classic", "" },
        { "position startpos moves 5d5c 5c5b", "info string error: move 2: move '5c5b' is illegal: "
                                               "the side to move has no such piece there or in hand\n" },
        { "go", "info string error: no position: the last position command was refused\nbestmove resign\n" },
        { "go perft 1", "info string error: no position: the last position command was refused\n" },
        { "go mate 1000", "info string error: no position: the last position command was refused\n"
                          "checkmate nomate\n" },
        { "go infinite", "info string error: no position: the last position command was refused\n" },
        { "stop", "bestmove resign\n" },
        { "position sfen kgsbr/p4/5/4P/RBSGK x - 1", "info string error: sfen: side to move 'x' is not 'b' or 'w'\n" },
        { "go", "info string error: no position: the last position command was refused\nbestmove resign\n" },
        { "setoption name USI_Variant value velmora", "" },
        { "go", "info depth 4 nodes 269 time T nps N score cp 570 pv 4e3d\nbestmove 4e3d\n" } } },
    Conversation { "InfiniteAndPonderHoldTheBestMove", {
        { "setoption name Computer value classic", "" },
        { "setoption name USI_Variant value velmora", "" },
        { "go infinite", "info depth 4 nodes 269 time T nps N score cp 570 pv 4e3d\n" },
        { "isready", "readyok\n" },
        { "ponderhit", "" },
        { "stop", "bestmove 4e3d\n" },
        { "stop", "" },
        { "go ponder btime 1000 wtime 1000 byoyomi 0", "info depth 4 nodes 215 time T nps N score cp 590 pv 4e3d\n" },
        { "ponderhit", "bestmove 4e3d\n" },
        { "go ponder", "info depth 4 nodes 231 time T nps N score cp 600 pv 4e3d\n" },
        { "stop", "bestmove 4e3d\n" },
        { "go ponder", "info depth 4 nodes 231 time T nps N score cp 590 pv 4e3d\n" },
        { "gameover lose", "bestmove 4e3d\n" } } },
    Conversation { "AnOpenEndedSearchWithNoMoveWaitsToResign", {
        { "position sfen 4k/4G/4P/5/K4 w - 1", "" },
        { "go infinite", "" },
        { "isready", "readyok\n" },
        { "stop", "bestmove resign\n" },
        { "go ponder btime 1000 wtime 1000 byoyomi 0", "" },
        { "isready", "readyok\n" },
        { "ponderhit", "bestmove resign\n" },
        { "go ponder", "" },
        { "stop", "bestmove resign\n" },
        { "stop", "" } } },
    Conversation { "MateAndResignation", {
        { "setoption name Computer value classic", "" },
        { "setoption name USI_Variant value velmora", "" },
        { "position sfen k4/5/1G3/5/4K b G 1", "" },
        { "go", "info depth 4 nodes 49 time T nps N score mate 1 pv G*5b\nbestmove G*5b\n" },
        { "position sfen k4/5/3g1/5/4K b g 1", "" },
        { "go", "info depth 4 nodes 8 time T nps N score cp -90000\nbestmove resign\n" } } },
    Conversation { "BadArguments", {
        { "setoption name USI_Variant value shogi",
          "info string error: USI_Variant is minishogi or velmora, not 'shogi'\n" },
        { "setoption USI_Variant", "info string error: setoption needs 'name <option>'\n" },
        { "go mate", "info string error: go mate needs a time in milliseconds or 'infinite'\n" },
        { "go mate -5", "info string error: go mate needs a time in milliseconds or 'infinite'\n" },
        { "go perft 0", "info string error: perft depth must be 1 to 10\n" },
        { "go perft 11", "info string error: perft depth must be 1 to 10\n" },
        { "go perft x", "info string error: perft depth must be 1 to 10\n" },
        { "go perft", "info string error: perft depth must be 1 to 10\n" },
        { "position", "info string error: position needs 'startpos' or 'sfen <SFEN>'\n" },
        { "position startpos junk 1d1c", "info string error: expected 'moves' after the position, got 'junk'\n" },
        { "setoption name Computer value weak", "info string error: Computer is strong or classic, not 'weak'\n" },
        { "setoption name MultiPV value 0", "info string error: MultiPV is a whole number from 1 to 600\n" },
        { "setoption name threads value many", "info string error: Threads is a whole number from 1 to 64\n" },
        { "setoption name USI_Ponder value yes", "info string error: USI_Ponder is true or false\n" },
        { "setoption name Computer value classic", "" },
        { "setoption name USI_Variant value velmora", "" },
        { "go depth x", "info string error: go depth needs a whole number\n"
                        "info depth 4 nodes 269 time T nps N score cp 570 pv 4e3d\nbestmove 4e3d\n" } } }),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(UsiSession, AnErrorQuotesTheInputAsOneShortPrintableLine)
{
    Usi usi;
    const struct {
        std::string line, answer;
    } cases[] = {
        { "position startpos moves 5d5c\x1a",
            "info string error: move 1: move '5d5c?' is not a USI move\n" },
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

TEST(UsiSession, QuitEndsTheConversationAndLinesAfterIt)
{
    Usi usi;
    EXPECT_TRUE(usi.GoesOn());
    EXPECT_EQ(usi.Send("quit"), "");
    EXPECT_FALSE(usi.GoesOn());
}

TEST(UsiSession, PerftDividesByRootMove)
{
    Usi usi;
    usi.Send("setoption name USI_Variant value velmora");
    const std::string answer = usi.Send("go perft 2");
    EXPECT_EQ(answer.substr(0, 8), "5e5b: 2\n") << "the rook takes the pawn with check";
    EXPECT_NE(answer.find("\n\nNodes searched: 181\n"), std::string::npos) << answer;
}

TEST(UsiSession, HearsIsReadyAndStopWhileItCountsAndKeepsOtherLinesForAfter)
{
    Usi usi;
    usi.Arrive("isready");
    usi.Arrive("position startpos moves 5d5c");
    usi.Arrive("stop");
    EXPECT_EQ(usi.Send("go perft 7"), "readyok\ninfo string perft stopped\n");
    EXPECT_EQ(usi.Send("go perft 1").substr(0, 6), "5a5b: ") << "Gote moves after 5d5c";
}

TEST(UsiSession, EndsAnOpenEndedMateSearchForTheNextCommand)
{
    Usi usi;
    usi.Send("setoption name Computer value classic");
    usi.Send("position sfen 2k2/5/5/5/K4 b RBGSPrbgsp 1");
    usi.Arrive("isready");
    usi.Arrive("ponderhit");
    usi.Arrive("go");
    const std::string answer = usi.Send("go mate infinite");
    EXPECT_EQ(answer.rfind("readyok\ninfo nodes ", 0), 0u) << answer;
    const size_t timeout = answer.find(" time T nps N\ncheckmate timeout\ninfo depth 4 ");
    EXPECT_NE(timeout, std::string::npos) << answer;
    EXPECT_NE(answer.find("\nbestmove ", timeout), std::string::npos) << answer;
}

TEST(UsiSession, GoMateAnswersWithALineThatTheRulesConfirm)
{
    const struct {
        const char* variant;
        const char* sfen;
        const char* answer; // the checkmate word that follows, or "line" for a mating line
    } cases[] = {
        { "velmora", "4k/2S2/3G1/5/K4 b P 1", "line" }, // P*1b
        { "minishogi", "4k/2S2/3G1/5/K4 b P 1", "nomate" }, // P*1b is forbidden
        { "minishogi", "k1r2/p2sb/3gP/1SB2/R1GK1 b - 11", "line" }, // a mate in three
        { "minishogi", "2k2/5/5/5/K4 b RGSP 1", "line" },
        { "minishogi", "rbsgk/4p/5/P4/KGSBR b - 1", "nomate" },
    };
    for (const auto& c : cases) {
        Usi usi;
        usi.Send(std::string("setoption name USI_Variant value ") + c.variant);
        usi.Send(std::string("position sfen ") + c.sfen);
        const std::string answer = usi.Send("go mate 10000");
        const size_t at = answer.find("\ncheckmate ");
        ASSERT_NE(at, std::string::npos) << c.sfen << ": " << answer;
        const std::string result = answer.substr(at + 11, answer.size() - at - 12);
        if (std::string(c.answer) != "line") {
            EXPECT_EQ(result, c.answer) << c.sfen;
            continue;
        }
        // Every move legal, every attacker's move a check, and the defender mated at the end.
        const int attacker = std::string(c.sfen).find(" b ") != std::string::npos ? Sente : Gote;
        std::istringstream line(result);
        std::string moves;
        int plies = 0;
        for (std::string move; line >> move; ++plies) {
            moves += " " + move;
            ASSERT_EQ(usi.Send(std::string("position sfen ") + c.sfen + " moves" + moves), "")
                << c.sfen << ": " << result;
            if (plies % 2 == 0) {
                EXPECT_EQ(IsKingAttacked(1, -attacker), 1) << c.sfen << ": " << moves;
            }
        }
        EXPECT_EQ(plies % 2, 1) << c.sfen << ": " << result;
        EXPECT_NE(usi.Send("go perft 1").find("Nodes searched: 0\n"), std::string::npos)
            << c.sfen << ": " << result;
    }
}

TEST(UsiSession, PerftLeavesOutPawnDropMatesOnlyUnderStandardRules)
{
    Usi usi;
    usi.Send("position sfen 4k/2S2/3G1/5/K4 b P 1");
    std::string answer = usi.Send("go perft 1");
    EXPECT_EQ(answer.find("P*1b"), std::string::npos) << answer;
    EXPECT_NE(answer.find("\n\nNodes searched: 31\n"), std::string::npos) << answer;
    usi.Send("setoption name USI_Variant value velmora");
    usi.Send("position sfen 4k/2S2/3G1/5/K4 b P 1");
    answer = usi.Send("go perft 1");
    EXPECT_NE(answer.find("P*1b: 1\n"), std::string::npos) << answer;
    EXPECT_NE(answer.find("\n\nNodes searched: 32\n"), std::string::npos) << answer;
}

TEST(UsiSession, PlaysItselfFromEveryLevelWithoutError)
{
    for (const char* start :
        { "kgsbr/p4/5/4P/RBSGK b - 1", "kgsbr/p4/5/4P/R1SGK b - 1", "kgsbr/p4/5/4P/2SGK b - 1" }) {
        Usi usi;
        usi.Send("setoption name USI_Variant value velmora");
        usi.Send("setoption name Computer value classic");
        std::string moves;
        for (int ply = 0; ply < 12; ++ply) {
            const std::string answer
                = usi.Send("position sfen " + std::string(start) + " moves" + moves);
            ASSERT_EQ(answer, "") << moves;
            const std::string reply = usi.Send("go");
            const size_t at = reply.find("bestmove ");
            ASSERT_NE(at, std::string::npos) << reply;
            const std::string move = reply.substr(at + 9, reply.find('\n', at) - at - 9);
            if (move == "resign")
                break;
            moves += " " + move;
        }
    }
}

namespace {

// The number after the word in an info line, or -1.
int64_t InfoNumber(const std::string& line, const std::string& word)
{
    const size_t at = line.find(" " + word + " ");
    return at == std::string::npos ? -1 : std::stoll(line.substr(at + word.size() + 2));
}

} // namespace

TEST(StrongUsiSession, StopsAtTheDepthOrTheNodesItIsGiven)
{
    Usi usi;
    const std::vector<std::string> deep = Lines(usi.Send("go depth 6"));
    ASSERT_GE(deep.size(), 2u);
    EXPECT_EQ(InfoNumber(deep[deep.size() - 2], "depth"), 6) << deep[deep.size() - 2];
    EXPECT_EQ(deep.back().rfind("bestmove ", 0), 0u);
    const std::vector<std::string> counted = Lines(usi.Send("go nodes 5000"));
    ASSERT_GE(counted.size(), 2u);
    EXPECT_EQ(InfoNumber(counted[counted.size() - 2], "nodes"), 5000)
        << counted[counted.size() - 2];
}

TEST(StrongUsiSession, WritesEveryInfoFieldAFrontEndReads)
{
    Usi usi;
    for (const std::string& line : Lines(usi.Send("go depth 4"))) {
        if (line.rfind("bestmove ", 0) == 0)
            continue;
        for (const char* field : { " depth ", " seldepth ", " multipv ", " score ", " nodes ",
                 " nps ", " hashfull ", " time ", " pv " })
            EXPECT_NE(line.find(field), std::string::npos) << field << " in " << line;
    }
}

TEST(StrongUsiSession, MultiPvListsDistinctMovesBestFirst)
{
    Usi usi;
    usi.Send("setoption name MultiPV value 3");
    const std::vector<std::string> lines = Lines(usi.Send("go depth 5"));
    std::vector<std::string> last; // the final report: the three lines before bestmove
    for (size_t i = lines.size() - 4; i + 1 < lines.size(); ++i)
        last.push_back(lines[i]);
    std::set<std::string> moves;
    for (size_t i = 0; i < last.size(); ++i) {
        EXPECT_EQ(InfoNumber(last[i], "multipv"), int64_t(i + 1)) << last[i];
        moves.insert(last[i].substr(last[i].find(" pv ") + 4, 4));
        if (i > 0) {
            EXPECT_LE(InfoNumber(last[i], "cp"), InfoNumber(last[i - 1], "cp")) << last[i];
        }
    }
    EXPECT_EQ(moves.size(), 3u);
}

TEST(StrongUsiSession, HearsIsReadyStopAndPonderHitWhileItThinks)
{
    Usi usi;
    usi.Arrive("isready");
    usi.Arrive("stop");
    const std::string infinite = usi.Send("go infinite");
    EXPECT_NE(infinite.find("readyok\n"), std::string::npos) << infinite;
    std::vector<std::string> lines = Lines(infinite);
    EXPECT_EQ(lines.back().rfind("bestmove ", 0), 0u) << infinite;
    EXPECT_LT(InfoNumber(lines[lines.size() - 2], "nodes"), 100'000) << "stopped at once";

    usi.Arrive("ponderhit");
    lines = Lines(usi.Send("go ponder btime 0 wtime 0 byoyomi 100"));
    EXPECT_EQ(lines.back().rfind("bestmove ", 0), 0u) << "a search on the clock after ponderhit";
    EXPECT_EQ(usi.Send("isready"), "readyok\n") << "one bestmove per go";
}

TEST(StrongUsiSession, ALineThatIsNotForTheSearchEndsAnInfiniteOneAndWaits)
{
    Usi usi;
    usi.Arrive("position startpos moves 5d5c");
    const std::vector<std::string> lines = Lines(usi.Send("go infinite"));
    EXPECT_EQ(lines.back().rfind("bestmove 5d5c", 0), std::string::npos) << "Sente's move";
    EXPECT_EQ(usi.SideToMove(), Gote) << "the position came after the search";
}

TEST(StrongUsiSession, PondersOnASingleLegalMoveUntilPonderHit)
{
    Usi usi;
    usi.Send("position sfen 4k/3G1/5/5/K4 w - 1");
    for (int i = 0; i < 3; ++i)
        usi.Arrive("isready");
    usi.Arrive("ponderhit");
    const std::vector<std::string> lines = Lines(usi.Send("go ponder btime 0 wtime 0 byoyomi 50"));
    EXPECT_TRUE(usi.AllArrived()) << "answered before ponderhit";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "readyok"), 3);
    EXPECT_EQ(lines.back().rfind("bestmove 1a2b", 0), 0u) << lines.back();
}

TEST(StrongUsiSession, AnInfiniteSearchAnnouncesAProvedMateOnce)
{
    Usi usi;
    usi.Send("position sfen 4k/5/5/5/K4 b G 1");
    // Stop comes long after the mate is seen: many lines to read first.
    usi.AwaitPrinted(" score mate ");
    for (int i = 0; i < 2000; ++i)
        usi.Arrive("isready");
    usi.Arrive("stop");
    const std::vector<std::string> lines = Lines(usi.Send("go infinite"));
    EXPECT_TRUE(usi.AllArrived());
    const auto mates = std::count_if(lines.begin(), lines.end(),
        [](const std::string& line) { return line.find(" score mate 9 ") != std::string::npos; });
    EXPECT_EQ(mates, 1);
    EXPECT_EQ(lines.back().rfind("bestmove G*2c", 0), 0u) << lines.back();
}
