#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <string>

// Lines of an input stream, read on a thread of their own so that the program hears isready and
// stop while it counts or searches. The thread only moves lines into a queue: the rules, the
// engine and the answers stay on the caller's thread, the only one that touches the ply arrays.
// The end of the input arrives as a last line "quit".
class InputLines {
public:
    explicit InputLines(std::istream& in);

    // The next line, waiting for it; nothing once "quit" for the end of input has been taken.
    std::optional<std::string> Next();

    // The next line if one has arrived, without waiting.
    std::optional<std::string> Poll();

private:
    struct Queue;
    // Shared with the reader thread, which may still wait for input when the program ends.
    std::shared_ptr<Queue> queue_;
};
