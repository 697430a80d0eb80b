#include "tests/support/ply_invariants.h"
#include "tests/support/ply_snapshot.h"

#include "engine/evaluation.h"
#include "rules/legality.h"
#include "rules/usi_move.h"
#include "usi/usi_session.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Arbitrary bytes as the engine program's standard input: one command per line. Besides the
// sanitizers, every command is checked against what a GUI relies on, and a breach aborts.

namespace {

// Perft is bounded by the session's node limit; the real limit takes seconds under the
// sanitizers, so the fuzzer uses a small one and reaches the refusal often.
constexpr uint64_t FuzzPerftNodeLimit = 20'000;

[[noreturn]] void Fail(std::string_view line, const std::string& what)
{
    std::fprintf(stderr, "after '%.*s': %s\n", int(std::min<size_t>(line.size(), 200)), line.data(),
        what.c_str());
    std::abort();
}

// A GUI reads the answers as short lines of text.
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

std::string FindBestMoveFault(const std::string& out, int side)
{
    const size_t at = out.find("bestmove ");
    if (at == std::string::npos)
        return {};
    const std::string text = out.substr(at + 9, out.find('\n', at) - at - 9);
    if (text == "resign")
        return {};
    std::string error;
    const auto move = ReadUsiMove(text, side, error);
    if (!move)
        return "bestmove is not a move: " + error;
    if (JudgeMove(1, side, *move) != MoveVerdict::Legal)
        return "bestmove " + text + " is illegal in " + DescribePly(1);
    return {};
}

// The first words of a line, split as the session splits them.
std::vector<std::string_view> FirstWords(std::string_view line, size_t count)
{
    std::vector<std::string_view> words;
    constexpr std::string_view Blanks = " \t\r";
    for (size_t at = line.find_first_not_of(Blanks);
         at != std::string_view::npos && words.size() < count;
         at = line.find_first_not_of(Blanks, at)) {
        const size_t end = std::min(line.find_first_of(Blanks, at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    words.resize(count);
    return words;
}

// Runs one line; returns false once the session has read "quit".
bool CheckCommand(UsiSession& session, std::ostringstream& out, std::string_view line)
{
    out.str("");
    const PlySnapshot before(1);
    const int side = session.SideToMove();
    const bool goesOn = session.Handle(line);
    const std::string answer = out.str();
    const bool failed = answer.find("info string error: ") != std::string::npos;
    if ((failed || FirstWords(line, 1)[0] != "position") && !(PlySnapshot(1) == before))
        Fail(line, "the position changed: " + DescribePly(1));
    for (const std::string& fault :
        { FindOutputFault(answer), FindSessionFault(session), FindBestMoveFault(answer, side) })
        if (!fault.empty())
            Fail(line, fault);
    return goesOn;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RandomSeed = 0; // as a freshly started program, so that every finding replays
    std::ostringstream out;
    UsiSession session(out, FuzzPerftNodeLimit);
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // One computer search per input: with full hands a search takes up to half a minute under
    // the sanitizers, and a second one in the same input adds time, not reach.
    bool searched = false;
    while (!input.empty()) {
        const size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view {} : input.substr(end + 1);
        const auto words = FirstWords(line, 2);
        const bool search = words[0] == "go" && words[1] != "perft";
        if (search && std::exchange(searched, true))
            continue;
        if (!CheckCommand(session, out, line))
            break;
    }
    return 0;
}
