#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// The engine program started on two pipes, as a front end starts it: lines written to its
// standard input, its answers read line by line with a deadline, so a test never hangs on it.
class EngineProcess {
public:
    explicit EngineProcess(const std::string& program);
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Writes the text as it is; the caller adds the line ending.
    void Write(const std::string& text);
    void Send(const std::string& line) { Write(line + "\n"); }
    void CloseInput();

    // The next answer line, or nothing once the deadline passes or the output ends.
    std::optional<std::string> ReadLine(std::chrono::seconds patience = std::chrono::seconds(60));
    // Every line up to and including the first that starts with prefix; empty when none came.
    std::vector<std::string> ReadThrough(const std::string& prefix);

    // The exit status once the program ends within the patience, or nothing.
    std::optional<int> Wait(std::chrono::seconds patience = std::chrono::seconds(60));

private:
    int pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    std::string buffered_;
};
