#include "usi_session.h"

#include "words.h"

#include "engine/board/fast_perft.h"
#include "engine/board/hash.h"
#include "engine/board/rules_move.h"
#include "engine/classic/computer_choice.h"
#include "engine/classic/mate_search.h"
#include "engine/mate/solver.h"
#include "record/position_line.h"

#include "rules/rule_tables.h"
#include "rules/usi_move.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Front ends on Windows end lines with CR, and some separate words with tabs: both are taken
// care of once, before any command is parsed.
std::string Normalized(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::string text(line);
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

// Lines that need no answer: a new game or its end changes nothing the engine keeps, debug and
// register do not apply, and stop or ponderhit with nothing to stop came too late.
constexpr std::string_view QuietCommands[]
    = { "gameover", "debug", "register", "stop", "ponderhit" };

// Errors quote the input, which may hold any bytes; a front end reads the answer as one short
// line of text, so quoted control characters, broken UTF-8 and runaway lengths must not reach it.
constexpr size_t MaxErrorLength = 200;

std::string PrintableLine(const std::string& text)
{
    std::string line = text.size() > MaxErrorLength ? text.substr(0, MaxErrorLength) + "..." : text;
    for (char& c : line)
        if (c < 0x20 || c > 0x7e)
            c = '?';
    return line;
}

constexpr const char* NoPosition = "no position: the last position command was refused";

// The board perft counts up to this depth.
constexpr int MaxGoPerftDepth = 10;
// Longer than any time a front end gives; keeps the deadline far from overflowing.
constexpr size_t MaxMillisecondDigits = 10;

// Plies to the mate of a forced-mate class: the mover's move, then a reply and a check per
// further move.
int MatePlies(int32_t mateClass)
{
    return mateClass == MateAtOnce ? 1 : mateClass == MateInTwo ? 3 : 5;
}

// "nodes N time T nps X" of a search that started at start.
std::string NodesAndTime(uint64_t nodes, Clock::time_point start)
{
    const auto elapsed = Clock::now() - start;
    const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
    const uint64_t nps = nodes * 1'000'000 / uint64_t(std::max<int64_t>(micro, 1));
    return "nodes " + std::to_string(nodes) + " time " + std::to_string(micro / 1000) + " nps "
        + std::to_string(nps);
}

} // namespace

UsiSession::UsiSession(std::ostream& out, PollLine poll)
    : out_(out)
    , poll_(std::move(poll))
    , variant_(RuleSets[0])
    , strong_(std::make_unique<StrongEngine>(size_t(options_.hashMegabytes)))
{
    SetUpStart();
}

bool UsiSession::Handle(std::string_view line)
{
    pending_.push_back(Normalized(line));
    while (!pending_.empty()) {
        const std::string next = std::move(pending_.front());
        pending_.pop_front();
        const bool goesOn = Dispatch(next);
        out_.flush();
        if (!goesOn) {
            pending_.clear();
            return false;
        }
    }
    return true;
}

bool UsiSession::Dispatch(std::string_view line)
{
    std::string_view args;
    const std::string_view command = FirstWord(line, args);
    if (command.empty() || (held_ && HandleHeldMove(command)))
        return true;
    if (command == "quit")
        return false;
    if (command == "usi")
        Identify();
    else if (command == "isready")
        out_ << "readyok\n";
    else if (command == "setoption")
        SetOption(args);
    else if (command == "position")
        Position(args);
    else if (command == "go")
        Go(args);
    else if (command == "usinewgame")
        strong_->NewGame();
    else if (std::find(std::begin(QuietCommands), std::end(QuietCommands), command)
        == std::end(QuietCommands))
        Error("unknown command '" + std::string(command.substr(0, 64)) + "'");
    return true;
}

bool UsiSession::HandleHeldMove(std::string_view command)
{
    // isready is answered as always; ponderhit only ends a ponder.
    if (command == "isready" || (command == "ponderhit" && !held_->ponder))
        return false;
    out_ << "bestmove " << held_->move << '\n';
    held_.reset();
    return command == "stop" || command == "ponderhit";
}

void UsiSession::Identify()
{
    out_ << "id name Velmora " VELMORA_VERSION "\nid author the Velmora developers\n";
    out_ << "option name USI_Variant type combo default " << RuleSets[0]->name;
    for (const RuleSet* variant : RuleSets)
        out_ << " var " << variant->name;
    out_ << '\n';
    WriteOptionLines(out_);
    out_ << "usiok\n";
}

void UsiSession::SetOption(std::string_view args)
{
    std::string_view rest, value;
    if (FirstWord(args, rest) != "name")
        return Error("setoption needs 'name <option>'");
    const std::string_view name = FirstWord(rest, rest);
    if (FirstWord(rest, value) != "value")
        value = {};
    if (!EqualIgnoringCase(name, "USI_Variant")) {
        std::string error;
        switch (SetEngineOption(options_, name, value, error)) {
        case OptionResult::HashChanged:
            strong_->ResizeHash(size_t(options_.hashMegabytes));
            return;
        case OptionResult::BadValue:
            return Error(error);
        case OptionResult::Set:
        case OptionResult::Unknown: // front ends set options of their own
            return;
        }
    }
    for (const RuleSet* variant : RuleSets)
        if (EqualIgnoringCase(value, variant->name)) {
            variant_ = variant;
            return SetUpStart();
        }
    Error("USI_Variant is minishogi or velmora, not '" + std::string(value.substr(0, 64)) + "'");
}

void UsiSession::SetUpStart()
{
    std::string error;
    ReadSfen(variant_->startSfen, header_, error);
    sfen_ = variant_->startSfen;
    hasPosition_ = true;
    history_.clear();
}

void UsiSession::Error(const std::string& what)
{
    out_ << "info string error: " << PrintableLine(what) << '\n';
}

void UsiSession::Position(std::string_view args)
{
    // Whatever goes wrong below, a later go must not answer for an earlier position.
    hasPosition_ = false;
    std::string error;
    const std::optional<PositionLine> line = ReadPositionLine(args, *variant_, error);
    if (!line)
        return Error(error);

    const SfenHeader previous = header_;
    if (!ReadSfen(line->sfen, header_, error))
        return Error(error);
    history_.clear();
    for (size_t i = 0; i < line->moves.size(); ++i) {
        RememberPosition();
        if (!PlayUsiMove(line->moves[i], header_.side, error, *variant_)) {
            ReadSfen(sfen_, header_, error);
            header_ = previous;
            history_.clear();
            return Error("move " + std::to_string(i + 1) + ": " + error);
        }
        header_.side = -header_.side;
        ++header_.moveNumber;
    }
    sfen_ = WriteSfen(1, header_);
    hasPosition_ = true;
}

void UsiSession::Go(std::string_view args)
{
    std::string_view rest;
    const std::string_view first = FirstWord(args, rest);
    if (first == "perft")
        return Perft(rest);
    if (first == "mate")
        return Mate(rest);
    std::string error;
    const GoCommand go = ReadGoCommand(args, error);
    if (!error.empty())
        Error(error);
    if (!options_.classic && hasPosition_)
        return ThinkStrong(go);
    // The classic computer's decision is fixed and quick: limits are accepted and ignored.
    const std::string move = Think();
    if (go.infinite || go.ponder)
        held_ = HeldMove { move, go.ponder };
    else
        out_ << "bestmove " << move << '\n';
}

std::string UsiSession::Think()
{
    if (!hasPosition_) {
        Error(NoPosition);
        return "resign";
    }
    const uint64_t movesBefore = MovesPlayedOnThisThread();
    const Clock::time_point start = Clock::now();
    const ComputerDecision decision = DecideComputerMove(PositionOfPly(1, header_.side, *variant_));
    out_ << "info depth " << DecisionDepth << ' '
         << NodesAndTime(MovesPlayedOnThisThread() - movesBefore, start);
    if (decision.forcedMate)
        out_ << " score mate " << MatePlies(decision.score);
    else
        out_ << " score cp " << decision.score * CentipawnsPerUnit;
    if (decision.resigns) {
        out_ << '\n';
        return "resign";
    }
    const std::string move = WriteUsiMove(decision.move);
    out_ << " pv " << move << '\n';
    return move;
}

void UsiSession::Perft(std::string_view args)
{
    std::string_view rest;
    const std::string_view word = FirstWord(args, rest);
    const std::optional<uint64_t> depth = ReadWholeNumber(word, 2);
    if (!depth || *depth < 1 || *depth > MaxGoPerftDepth)
        return Error("perft depth must be 1 to " + std::to_string(MaxGoPerftDepth));
    if (!hasPosition_)
        return Error(NoPosition);
    stopping_ = false;
    const auto entries = FastPerftDivide(PositionOfPly(1, header_.side, *variant_), int(*depth),
        [&] { return StopRequested(false); });
    if (!entries) {
        out_ << "info string perft stopped\n";
        return;
    }
    uint64_t total = 0;
    for (const PerftEntry& entry : *entries) {
        out_ << WriteUsiMove(entry.move) << ": " << entry.nodes << '\n';
        total += entry.nodes;
    }
    out_ << "\nNodes searched: " << total << '\n';
}

void UsiSession::Mate(std::string_view args)
{
    std::string_view rest;
    const std::string_view limit = FirstWord(args, rest);
    const bool infinite = limit == "infinite";
    const std::optional<uint64_t> ms = infinite ? 0 : ReadWholeNumber(limit, MaxMillisecondDigits);
    if (!ms)
        return Error("go mate needs a time in milliseconds or 'infinite'");
    if (!hasPosition_) {
        Error(NoPosition);
        out_ << "checkmate nomate\n";
        return;
    }
    stopping_ = false;
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + std::chrono::milliseconds(*ms);
    const auto shouldStop
        = [&] { return StopRequested(infinite) || (!infinite && Clock::now() >= deadline); };
    const MateSolution solution = SolveMate(PositionOfPly(1, header_.side, *variant_), shouldStop);
    if (solution.outcome == MateOutcome::ProvedWithoutLine) {
        // A proof that cannot be read back as a line ending in mate is not trusted: the question
        // stays open, and a timeout is not claimed before the time is up or stop has come.
        while (!shouldStop())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    out_ << "info " << NodesAndTime(solution.nodes, start) << '\n';
    switch (solution.outcome) {
    case MateOutcome::Mate:
        out_ << "checkmate";
        for (const Move& move : solution.line)
            out_ << ' ' << WriteUsiMove(move);
        out_ << '\n';
        break;
    case MateOutcome::NoMate:
        out_ << "checkmate nomate\n";
        break;
    case MateOutcome::Stopped:
    case MateOutcome::ProvedWithoutLine:
        out_ << "checkmate timeout\n";
        break;
    }
}

void UsiSession::RememberPosition()
{
    const SearchBoard board = LoadBoard(1, 0);
    history_.push_back(
        PastPosition { HashOf(board, header_.side), KingAttacked(board, header_.side) });
}

SearchLimits UsiSession::LimitsOf(const GoCommand& go) const
{
    SearchLimits limits;
    limits.depth = go.depth;
    limits.nodes = go.nodes;
    limits.infinite = go.infinite || go.ponder;
    if (HasClock(go.clock, header_.side)) {
        limits.timed = true;
        limits.time = PlanTime(go.clock, header_.side, options_.moveOverhead);
    } else if (go.depth == 0 && go.nodes == 0) {
        limits.timed = true;
        limits.time = TimeBudget { 0, DefaultThinkingMs, DefaultThinkingMs };
    }
    return limits;
}

void UsiSession::ThinkStrong(const GoCommand& go)
{
    const GamePosition position = PositionOfPly(1, header_.side, *variant_);
    const SearchSettings settings { options_.multiPV, options_.threads, options_.skill };
    const bool openEnded = go.infinite || go.ponder;
    SearchCallbacks callbacks;
    callbacks.info = [&](const SearchInfo& info) { WriteInfo(info); };
    callbacks.poll = [&] { PollDuringSearch(openEnded); };
    searchReleased_ = !openEnded;
    const SearchResult result
        = strong_->Search(position, history_, LimitsOf(go), settings, callbacks);
    std::string move = "resign";
    if (result.hasMove) {
        move = WriteUsiMove(RulesMove(result.best, header_.side));
        if (result.hasPonder)
            move += " ponder " + WriteUsiMove(RulesMove(result.ponder, -header_.side));
    }
    // A ponder or infinite search can end by itself (no legal move, a single one, a proved
    // mate); its answer still waits for stop or ponderhit, or a front end takes it for a move.
    if (searchReleased_)
        out_ << "bestmove " << move << '\n';
    else
        held_ = HeldMove { move, go.ponder };
}

void UsiSession::WriteInfo(const SearchInfo& info)
{
    const uint64_t nps = info.nodes * 1000 / uint64_t(std::max<int64_t>(info.milliseconds, 1));
    for (size_t i = 0; i < info.lines.size(); ++i) {
        const PvLine& line = info.lines[i];
        out_ << "info depth " << info.depth << " seldepth " << info.selDepth << " multipv "
             << i + 1;
        const int mate = MatePliesOf(line.score);
        if (mate != 0)
            out_ << " score mate " << mate;
        else
            out_ << " score cp " << line.score;
        if (line.bound == Bound::Lower)
            out_ << " lowerbound";
        else if (line.bound == Bound::Upper)
            out_ << " upperbound";
        out_ << " nodes " << info.nodes << " nps " << nps << " hashfull " << info.hashfull
             << " time " << info.milliseconds << " pv";
        int side = header_.side;
        for (const SearchMove& m : line.moves) {
            out_ << ' ' << WriteUsiMove(RulesMove(m, side));
            side = -side;
        }
        out_ << '\n';
    }
    out_.flush();
}

std::optional<std::string> UsiSession::PollWhileBusy()
{
    while (poll_) {
        std::optional<std::string> line = poll_();
        if (!line)
            return std::nullopt;
        std::string normalized = Normalized(*line);
        std::string_view rest;
        const std::string_view command = FirstWord(normalized, rest);
        if (command == "isready") {
            out_ << "readyok\n";
            out_.flush();
        } else if (!command.empty()) {
            return normalized;
        }
    }
    return std::nullopt;
}

void UsiSession::PollDuringSearch(bool openEnded)
{
    while (std::optional<std::string> line = PollWhileBusy()) {
        std::string_view rest;
        const std::string_view command = FirstWord(*line, rest);
        if (command == "stop") {
            searchReleased_ = true;
            return strong_->Stop();
        }
        if (command == "ponderhit") {
            searchReleased_ = true;
            strong_->PonderHit();
            continue;
        }
        pending_.push_back(std::move(*line));
        if (openEnded) {
            searchReleased_ = true;
            return strong_->Stop();
        }
    }
}

bool UsiSession::StopRequested(bool openEnded)
{
    while (!stopping_) {
        std::optional<std::string> line = PollWhileBusy();
        if (!line)
            break;
        std::string_view rest;
        const std::string_view command = FirstWord(*line, rest);
        if (command == "stop") {
            stopping_ = true;
        } else if (command != "ponderhit") { // no ponder runs now
            stopping_ = openEnded;
            pending_.push_back(std::move(*line));
        }
    }
    return stopping_;
}
