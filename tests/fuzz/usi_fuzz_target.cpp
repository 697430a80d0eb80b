#include "rules/ply_snapshot.h"
#include "tests/support/ply_invariants.h"

#include "engine/classic/random_below.h"
#include "rules/check.h"
#include "rules/legality.h"
#include "rules/pawn_drop_mate.h"
#include "rules/usi_move.h"
#include "usi/usi_session.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// Arbitrary bytes as the engine program's standard input: one command per line, and the lines
// after a count or a mate search began arrive through the session's poll, as they would from a
// front end that keeps talking. Besides the sanitizers, every command is checked against what a
// front end relies on, and a breach aborts.

namespace {

// A decision with full hands takes about 0.2 s under the sanitizers and the fuzzer's coverage
// counters: a few per input let a search follow another, a setting or a refused position, and
// keep the input rate in the hundreds per second.
constexpr int MaxSearchesPerInput = 3;
// The count polls every 4096 nodes and the mate search every 16; once an input has polled this
// often, every count or search is told to stop at its next poll. That bounds both, and every
// finding replays.
constexpr int MaxPollsPerInput = 8;

[[noreturn]] void Fail(std::string_view line, const std::string& what)
{
    std::fprintf(stderr, "after '%.*s': %s\n", int(std::min<size_t>(line.size(), 200)), line.data(),
        what.c_str());
    std::abort();
}

// The words of a line as the session reads them: a trailing CR dropped, tabs as spaces.
std::vector<std::string> Words(std::string_view line)
{
    std::string text(line);
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    std::replace(text.begin(), text.end(), '\t', ' ');
    std::vector<std::string> words;
    for (size_t at = text.find_first_not_of(' '); at != std::string::npos;
         at = text.find_first_not_of(' ', at)) {
        const size_t end = std::min(text.find(' ', at), text.size());
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
}

// The input's lines in the order the session reads them, and what the protocol promises for them:
// one bestmove per go that is not a count or a mate search, one checkmate per well-formed go mate.
class Script {
public:
    explicit Script(std::string_view input)
        : input_(input)
    {
    }

    std::optional<std::string> Next()
    {
        while (!input_.empty()) {
            const size_t end = input_.find('\n');
            std::string line(input_.substr(0, end));
            input_ = end == std::string_view::npos ? std::string_view {} : input_.substr(end + 1);
            if (Deliver(line))
                return line;
        }
        return std::nullopt;
    }

    std::optional<std::string> Poll()
    {
        if (++polls_ > MaxPollsPerInput)
            return "stop";
        std::optional<std::string> line = Next();
        took_ = took_ || line.has_value();
        return line;
    }

    // Before each line handed to the session.
    void StartCommand() { took_ = false; }
    // Whether the session took input lines while it ran the last command.
    bool Took() const { return took_; }
    const RuleSet& Rules() const { return *rules_; }
    int BestMovesDue() const { return bestMoves_; }
    int CheckmatesDue() const { return checkmates_; }

private:
    // Keeps the promises up to date; false for a search past the budget, which is left out.
    bool Deliver(std::string_view line)
    {
        const std::vector<std::string> w = Words(line);
        auto word = [&](size_t i) { return i < w.size() ? w[i] : std::string(); };
        if (quit_)
            return true;
        quit_ = word(0) == "quit";
        if (word(0) == "setoption" && word(1) == "name" && EqualIgnoringCase(word(2), "USI_Variant")
            && word(3) == "value") {
            for (const RuleSet* rules : RuleSets)
                if (EqualIgnoringCase(word(4), rules->name))
                    rules_ = rules;
        }
        if (word(0) != "go" || word(1) == "perft")
            return true;
        if (word(1) == "mate") {
            const std::string limit = word(2);
            const bool digits = !limit.empty() && limit.size() <= 10
                && limit.find_first_not_of("0123456789") == std::string::npos;
            checkmates_ += digits || limit == "infinite" ? 1 : 0;
            return true;
        }
        if (++searches_ > MaxSearchesPerInput)
            return false;
        ++bestMoves_;
        return true;
    }

    std::string_view input_;
    int polls_ = 0;
    bool took_ = false;
    bool quit_ = false;
    const RuleSet* rules_ = &StandardRules;
    int searches_ = 0, bestMoves_ = 0, checkmates_ = 0;
};

// A front end reads the answers as short lines of text.
constexpr size_t MaxAnswerLine = 256;

std::string FindOutputFault(const std::string& out)
{
    size_t lineLength = 0;
    for (unsigned char c : out) {
        lineLength = c == '\n' ? 0 : lineLength + 1;
        if (c != '\n' && (c < 0x20 || c > 0x7e))
            return "the answer holds byte " + std::to_string(c) + ": " + out.substr(0, 300);
        if (lineLength > MaxAnswerLine)
            return "an answer line is longer than " + std::to_string(MaxAnswerLine) + ": "
                + out.substr(0, 300);
    }
    return {};
}

// The position a session holds is always one that legal play can reach from a legal SFEN.
std::string FindSessionFault(const UsiSession& session)
{
    for (const std::string& fault :
        { FindKingFault(1), FindCountFault(1), FindCheckerFlagFault(1) })
        if (!fault.empty())
            return fault;
    if (KingAttackedByAnyPiece(1, -session.SideToMove()))
        return "the side not to move is in check in " + DescribePly(1);
    return {};
}

// The answer lines that start with the word.
std::vector<std::string> AnswersOf(const std::string& out, const std::string& word)
{
    std::vector<std::string> found;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(word + " ", 0) == 0 || line == word)
            found.push_back(line.substr(std::min(line.size(), word.size() + 1)));
    return found;
}

// The position before the command: where its bestmove must be legal.
struct Before {
    PlySnapshot ply { 1 };
    int side;
    bool hasPosition;
};

// Plies 6 to 8 are free between commands: the searches work on search boards, and the session's
// rules calls reach ply 3 at most.
constexpr int ScratchPly = 6;

// The bestmove must be legal where the command was given, and the move it expects in reply
// (after "ponder") legal after it.
std::string FindBestMoveFault(const std::string& text, const Before& before)
{
    if (text == "resign")
        return {};
    if (!before.hasPosition)
        return "bestmove " + text + " without a position";
    const size_t ponder = text.find(" ponder ");
    const std::string moves[] = { text.substr(0, ponder),
        ponder == std::string::npos ? std::string() : text.substr(ponder + 8) };
    before.ply.Restore(ScratchPly);
    int side = before.side;
    for (int i = 0; i < 2 && !moves[i].empty(); ++i, side = -side) {
        std::string error;
        const auto move = ReadUsiMove(moves[i], side, error);
        if (!move)
            return "bestmove is not a move: " + error;
        if (JudgeMove(ScratchPly + i, side, *move, VelmoraRules) != MoveVerdict::Legal)
            return "bestmove " + text + " is illegal in " + DescribePly(ScratchPly + i);
    }
    return {};
}

// Whether side s, to move in ply 1, has a legal move under the rules in force.
bool HasLegalMove(int s, const RuleSet& rules)
{
    bool found = false;
    ForEachMove(1, s, [&](const Move& m) {
        found = found
            || (MakeMoveIfSafe(1, s, m) && (rules.pawnDropMateLegal || !IsPawnDropMate(1, s, m)));
    });
    return found;
}

// A reported mate: every move legal, every move of the attacker a check, and no legal reply at
// the end. Played on ply 1 from the position before the command, which is put back afterwards.
std::string FindMateLineFault(const std::string& text, const Before& before, const RuleSet& rules)
{
    if (text == "nomate" || text == "timeout")
        return {};
    if (!before.hasPosition)
        return "checkmate " + text + " without a position";
    const PlySnapshot after(1);
    before.ply.Restore(1);
    std::string fault;
    int side = before.side;
    std::istringstream moves(text);
    int count = 0;
    for (std::string move; fault.empty() && moves >> move; side = -side, ++count) {
        std::string error;
        if (!PlayUsiMove(move, side, error, rules))
            fault = "checkmate line: " + error;
        else if (side == before.side && !IsKingAttacked(1, -side))
            fault = "checkmate line: " + move + " gives no check";
    }
    if (fault.empty() && (count % 2 == 0 || HasLegalMove(side, rules)))
        fault = "checkmate line does not end in mate: " + text;
    after.Restore(1);
    return fault;
}

// Runs one line; returns false once the session has read "quit".
bool CheckCommand(
    UsiSession& session, Script& script, std::ostringstream& out, std::string_view line)
{
    out.str("");
    const Before before { PlySnapshot(1), session.SideToMove(), session.HasPosition() };
    const RuleSet& rules = script.Rules();
    script.StartCommand();
    const bool goesOn = session.Handle(line);
    const std::string answer = out.str();
    for (const std::string& fault : { FindOutputFault(answer), FindSessionFault(session) })
        if (!fault.empty())
            Fail(line, fault);
    // Lines taken while a count or a search ran are handled in the same call, after it: the
    // checks below hold for one command at a time.
    if (script.Took())
        return goesOn;
    const bool failed = answer.find("info string error: ") != std::string::npos;
    const std::string command = Words(line).empty() ? "" : Words(line)[0];
    const bool setsPosition = command == "position" || command == "setoption";
    if ((failed || !setsPosition) && !(PlySnapshot(1) == before.ply))
        Fail(line, "the position changed: " + DescribePly(1));
    for (const std::string& move : AnswersOf(answer, "bestmove"))
        if (const std::string fault = FindBestMoveFault(move, before); !fault.empty())
            Fail(line, fault);
    for (const std::string& mate : AnswersOf(answer, "checkmate"))
        if (const std::string fault = FindMateLineFault(mate, before, rules); !fault.empty())
            Fail(line, fault);
    return goesOn;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RandomSeed = 0; // as a freshly started program, so that every finding replays
    std::ostringstream out, all;
    Script script(std::string_view(reinterpret_cast<const char*>(data), size));
    UsiSession session(out, [&] { return script.Poll(); });
    bool goesOn = true;
    while (goesOn) {
        const std::optional<std::string> line = script.Next();
        // The end of input, as the program reads it: stop releases a bestmove held for stop.
        goesOn = CheckCommand(session, script, out, line.value_or("stop")) && line.has_value();
        all << out.str();
    }
    const int bestMoves = int(AnswersOf(all.str(), "bestmove").size());
    const int checkmates = int(AnswersOf(all.str(), "checkmate").size());
    if (bestMoves != script.BestMovesDue() || checkmates != script.CheckmatesDue())
        Fail("the end of input",
            std::to_string(bestMoves) + " bestmove and " + std::to_string(checkmates)
                + " checkmate answers, where the go commands ask for "
                + std::to_string(script.BestMovesDue()) + " and "
                + std::to_string(script.CheckmatesDue()));
    return 0;
}
