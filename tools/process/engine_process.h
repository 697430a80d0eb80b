#pragma once

#include <chrono>
#include <optional>
#include <string>

// An engine program on two pipes, started through /bin/sh so that its command line may hold
// arguments: lines written to its standard input, its answers read line by line against a
// deadline, so a silent or dead engine never holds a match or a test up. Its standard error goes
// to /dev/null unless kept.
class EngineProcess {
public:
    using Clock = std::chrono::steady_clock;

    EngineProcess(const std::string& command, bool keepStandardError);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Writes the text as it is; false once the engine no longer reads its input.
    bool Write(const std::string& text);
    // Writes the line with its line ending.
    bool Send(const std::string& line) { return Write(line + "\n"); }
    // Ends the engine's input, as when a front end closes its side of the pipe.
    void CloseInput();

    enum class Read { Line, Timeout, Closed };
    // The next answer line into line, unless the deadline passes or the output ends first.
    Read ReadLine(std::string& line, Clock::time_point deadline);

    // The exit status once the engine ends within the patience, or nothing.
    std::optional<int> Wait(std::chrono::milliseconds patience);
    // Waits up to the patience for the engine to end, then kills it.
    void Stop(std::chrono::milliseconds patience);

private:
    int pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string buffered_;
    bool closed_ = false;
};
