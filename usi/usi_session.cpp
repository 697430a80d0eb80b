#include "usi_session.h"

#include "engine/computer_choice.h"

#include "rules/perft.h"
#include "rules/rule_tables.h"
#include "rules/usi_move.h"

#include <vector>

namespace {

// Splits off the first word; rest gets what follows it, without leading spaces.
std::string_view FirstWord(std::string_view text, std::string_view& rest)
{
    const size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    text.remove_prefix(start);
    const size_t end = text.find_first_of(" \t\r");
    const std::string_view word = text.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view {} : text.substr(end);
    const size_t next = rest.find_first_not_of(" \t\r");
    rest = next == std::string_view::npos ? std::string_view {} : rest.substr(next);
    return word;
}

} // namespace

UsiSession::UsiSession(std::ostream& out, uint64_t perftNodeLimit)
    : out_(out)
    , perftNodeLimit_(perftNodeLimit)
{
    BuildRuleTables();
    SetStartPosition();
}

void UsiSession::SetStartPosition()
{
    std::string error;
    ReadSfen(StartSfen, header_, error);
    sfen_ = StartSfen;
}

bool UsiSession::Handle(std::string_view line)
{
    std::string_view args;
    const std::string_view command = FirstWord(line, args);
    if (command.empty())
        return true;
    if (command == "quit")
        return false;
    if (command == "usi")
        out_ << "id name Velmora\nid author the Velmora developers\nusiok\n";
    else if (command == "isready")
        out_ << "readyok\n";
    else if (command == "usinewgame" || command == "stop" || command == "ponderhit"
        || command == "gameover")
        ; // nothing to do: the engine keeps no state between searches
    else if (command == "position")
        Position(args);
    else if (command == "go")
        Go(args);
    else
        Error("unknown command '" + std::string(command.substr(0, 64)) + "'");
    out_.flush();
    return true;
}

namespace {

// Errors quote the input, which may hold any bytes; a GUI reads the answer as one short line
// of text, so quoted control characters, broken UTF-8 and runaway lengths must not reach it.
constexpr size_t MaxErrorLength = 200;

std::string PrintableLine(const std::string& text)
{
    std::string line = text.size() > MaxErrorLength ? text.substr(0, MaxErrorLength) + "..." : text;
    for (char& c : line)
        if (c < 0x20 || c > 0x7e)
            c = '?';
    return line;
}

} // namespace

void UsiSession::Error(const std::string& what)
{
    out_ << "info string error: " << PrintableLine(what) << '\n';
}

void UsiSession::Position(std::string_view args)
{
    std::string_view rest;
    const std::string_view kind = FirstWord(args, rest);
    std::string sfen;
    if (kind == "startpos") {
        sfen = StartSfen;
    } else if (kind == "sfen") {
        const size_t moves = rest.find(" moves");
        sfen = std::string(rest.substr(0, moves));
        rest = moves == std::string_view::npos ? std::string_view {} : rest.substr(moves + 1);
    } else {
        return Error("position needs 'startpos' or 'sfen <SFEN>'");
    }
    std::string_view moveList;
    const std::string_view keyword = FirstWord(rest, moveList);
    if (!keyword.empty() && keyword != "moves")
        return Error("expected 'moves' after the position, got '"
            + std::string(keyword.substr(0, 64)) + "'");

    const SfenHeader previous = header_;
    std::string error;
    if (!ReadSfen(sfen, header_, error))
        return Error(error);
    for (int number = 1;; ++number) {
        const std::string_view move = FirstWord(moveList, moveList);
        if (move.empty())
            break;
        if (!PlayUsiMove(move, header_.side, error)) {
            ReadSfen(sfen_, header_, error);
            header_ = previous;
            return Error("move " + std::to_string(number) + ": " + error);
        }
        header_.side = -header_.side;
        ++header_.moveNumber;
    }
    sfen_ = WriteSfen(1, header_);
}

void UsiSession::Go(std::string_view args)
{
    std::string_view rest;
    if (FirstWord(args, rest) == "perft")
        return Perft(rest);
    // Time controls and depth limits are accepted and ignored: the search is fixed.
    const ComputerDecision decision = DecideComputerMove(header_.side);
    if (decision.resigns) {
        out_ << "info score cp " << decision.score << "\nbestmove resign\n";
        return;
    }
    const std::string move = WriteUsiMove(decision.move);
    if (decision.forcedMate)
        out_ << "info string mate found\n";
    else
        out_ << "info score cp " << decision.score << " pv " << move << '\n';
    out_ << "bestmove " << move << '\n';
}

void UsiSession::Perft(std::string_view depthText)
{
    std::string_view rest;
    const std::string_view word = FirstWord(depthText, rest);
    int depth = 0;
    for (char c : word.substr(0, 3))
        depth = c >= '0' && c <= '9' ? depth * 10 + (c - '0') : -1000;
    if (word.empty() || word.size() > 2 || depth < 1 || depth > MaxPerftDepth)
        return Error("perft depth must be 1 to " + std::to_string(MaxPerftDepth));
    const auto entries = PerftDivideWithin(header_.side, depth, perftNodeLimit_);
    if (!entries)
        return Error("perft " + std::to_string(depth) + " counts more than "
            + std::to_string(perftNodeLimit_) + " nodes in this position; try a smaller depth");
    uint64_t total = 0;
    for (const PerftEntry& entry : *entries) {
        out_ << WriteUsiMove(entry.move) << ": " << entry.nodes << '\n';
        total += entry.nodes;
    }
    out_ << "\nNodes searched: " << total << '\n';
}
