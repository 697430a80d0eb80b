#pragma once

#include "rules/sfen.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

// A go perft that would count more leaves than this is refused. Measured in a Release build:
// perft 6 from the start (8.3 million leaves) takes about 5 s and runs; perft 7 (over 100 million)
// or perft 5 with full hands (60 million) would take minutes and stops here after a few seconds.
inline constexpr uint64_t PerftNodeLimit = 10'000'000;

// The engine program's side of the USI protocol: one command line in, its answer out.
// The game position lives in ply 1; a command that fails leaves it as it was.
class UsiSession {
public:
    explicit UsiSession(std::ostream& out, uint64_t perftNodeLimit = PerftNodeLimit);

    // Handles one line; returns false once "quit" has been read.
    bool Handle(std::string_view line);

    int SideToMove() const { return header_.side; }

private:
    void Position(std::string_view args);
    void Go(std::string_view args);
    void Perft(std::string_view depthText);
    void Error(const std::string& what);
    void SetStartPosition();

    std::ostream& out_;
    uint64_t perftNodeLimit_;
    SfenHeader header_;
    std::string sfen_; // the position as last set, to restore it when a command fails
};
