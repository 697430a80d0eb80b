#pragma once

#include "tools/process/engine_process.h"

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// How to run one engine: its command line and the options it is given, in order.
struct EngineSetup {
    std::string command;
    std::vector<std::pair<std::string, std::string>> options; // name, value
    // Told its own clock as the other side's: Debian's Fairy-Stockfish 11.1 reads btime and
    // wtime the wrong way round in USI, so only a swapped go gives it its real clock.
    bool swapClocks = false;
};

// One engine spoken to in USI, as a front end speaks: the handshake with its options, then a
// position and a go for each move, the bestmove answer timed by the caller's clock.
class UsiEngine {
public:
    // Starts the engine and waits for usiok and readyok. The rule set's name is set as
    // USI_Variant or UCI_Variant when the engine offers that value and the setup does not set
    // the option itself. Fails with a one-line reason in error.
    bool Start(const EngineSetup& setup, const std::string& variant, std::ostream* log,
        std::string& error);

    // The engine's "id name", or its command line when it gave none.
    const std::string& Name() const { return name_; }
    bool SwapsClocks() const { return swapClocks_; }

    void NewGame() { Send("usinewgame"); }

    enum class Reply { Move, Timeout, Disconnected };
    struct Answer {
        Reply reply = Reply::Disconnected;
        std::string move; // what followed "bestmove": a USI move, "resign" or anything else
        std::chrono::microseconds used { 0 }; // from the go sent to the bestmove read
    };
    // Sends the position and the go command and waits for bestmove until the patience ends.
    Answer Think(
        const std::string& position, const std::string& go, std::chrono::milliseconds patience);

    // Tells the engine the result ("win", "lose" or "draw") and lets it go.
    void Finish(const std::string& result);

private:
    bool Send(const std::string& line);
    EngineProcess::Read ReadLine(std::string& line, EngineProcess::Clock::time_point deadline);
    // Reads up to the line that starts with the word; false if the deadline or the end came.
    bool ReadUntil(const std::string& word, EngineProcess::Clock::time_point deadline,
        std::vector<std::string>* lines);

    std::unique_ptr<EngineProcess> process_;
    std::string name_;
    std::string tag_; // names the engine in the log: its command until it gives its name
    std::ostream* log_ = nullptr;
    bool swapClocks_ = false;
};
