#pragma once

#include "rules/sfen.h"

#include <ostream>
#include <string>
#include <string_view>

// The engine program's side of the USI protocol: one command line in, its answer out.
// The game position lives in ply 1; a command that fails leaves it as it was.
class UsiSession {
public:
    explicit UsiSession(std::ostream& out);

    // Handles one line; returns false once "quit" has been read.
    bool Handle(std::string_view line);

private:
    void Position(std::string_view args);
    void Go(std::string_view args);
    void Perft(std::string_view depthText);
    void Error(const std::string& what);
    void SetStartPosition();

    std::ostream& out_;
    SfenHeader header_;
    std::string sfen_; // the position as last set, to restore it when a command fails
};
