#pragma once

#include "engine_options.h"
#include "go_command.h"

#include "engine/board/game_position.h"
#include "engine/strong/search.h"
#include "rules/rule_set.h"
#include "rules/sfen.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The engine program's side of the USI conversation: command lines in, answers out. The game
// position lives in ply 1, and the positions before it in history_.
//
// The strong search keeps asking poll too: isready is answered at once, stop ends the search and
// ponderhit turns a ponder search into a search on the clock; any other line waits until it has
// ended, except that it ends an infinite or ponder search first, as stop would.
//
// A count (go perft) or a mate search (go mate) keeps asking poll for lines that arrived while it
// runs: isready is answered at once, stop ends it and ponderhit is ignored; any other line waits
// until it has ended, except that it ends go mate infinite first, as stop would. After go
// infinite or go ponder the bestmove waits for stop (or ponderhit); any other line but isready
// releases it first.
class UsiSession {
public:
    // The next input line if one has arrived, without waiting.
    using PollLine = std::function<std::optional<std::string>()>;

    explicit UsiSession(std::ostream& out, PollLine poll = {});

    // Handles one line, and the lines taken meanwhile by poll; returns false once "quit" was read.
    bool Handle(std::string_view line);

    // The side to move; meaningless while HasPosition is false.
    int SideToMove() const { return header_.side; }
    // False after a refused position command, until a position is set again.
    bool HasPosition() const { return hasPosition_; }

private:
    // A bestmove that waits for stop or ponderhit.
    struct HeldMove {
        std::string move;
        bool ponder;
    };

    bool Dispatch(std::string_view line);
    bool HandleHeldMove(std::string_view command);
    void Identify();
    void SetOption(std::string_view args);
    void SetUpStart();
    void Position(std::string_view args);
    void Go(std::string_view args);
    std::string Think();
    void ThinkStrong(const GoCommand& go);
    SearchLimits LimitsOf(const GoCommand& go) const;
    void WriteInfo(const SearchInfo& info);
    // The next line that came in while a count or search runs, isready answered on the spot.
    std::optional<std::string> PollWhileBusy();
    void PollDuringSearch(bool openEnded);
    void RememberPosition();
    void Perft(std::string_view args);
    void Mate(std::string_view args);
    bool StopRequested(bool openEnded);
    void Error(const std::string& what);

    std::ostream& out_;
    PollLine poll_;
    const RuleSet* variant_;
    EngineOptions options_;
    std::unique_ptr<StrongEngine> strong_;
    std::vector<PastPosition> history_; // the positions before ply 1's, oldest first
    SfenHeader header_;
    std::string sfen_; // the position as last set, to restore ply 1 when a command fails
    bool hasPosition_ = true;
    std::optional<HeldMove> held_;
    // The running strong search may answer: it is on the clock, or stop, ponderhit or another
    // command has come.
    bool searchReleased_ = true;
    bool stopping_ = false; // the running count or mate search was asked to stop
    std::deque<std::string> pending_; // lines read during a count or search, in order
};
