#include "go_command.h"

#include "words.h"

#include <algorithm>

namespace {

// Longer than any time or count a front end gives; keeps sums far from overflowing.
constexpr size_t MaxDigits = 12;

std::string_view NextWord(std::string_view& text) { return FirstWord(text, text); }

// A time in milliseconds; front ends send negative remaining times after a slow move.
std::optional<int64_t> ReadTime(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::optional<uint64_t> ms = ReadWholeNumber(negative ? text.substr(1) : text, MaxDigits);
    if (!ms)
        return std::nullopt;
    return negative ? -int64_t(*ms) : int64_t(*ms);
}

} // namespace

std::optional<uint64_t> ReadWholeNumber(std::string_view text, size_t digits)
{
    if (text.empty() || text.size() > digits)
        return std::nullopt;
    uint64_t n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + uint64_t(c - '0');
    }
    return n;
}

GoCommand ReadGoCommand(std::string_view args, std::string& error)
{
    GoCommand go;
    for (std::string_view word = NextWord(args); !word.empty(); word = NextWord(args)) {
        if (word == "infinite") {
            go.infinite = true;
            continue;
        }
        if (word == "ponder") {
            go.ponder = true;
            continue;
        }
        const auto time = [&](int64_t& into) {
            const std::optional<int64_t> ms = ReadTime(NextWord(args));
            if (ms)
                into = *ms;
            else
                error = "go " + std::string(word) + " needs a number of milliseconds";
        };
        if (word == "btime")
            time(go.clock.time[0]);
        else if (word == "wtime")
            time(go.clock.time[1]);
        else if (word == "binc")
            time(go.clock.increment[0]);
        else if (word == "winc")
            time(go.clock.increment[1]);
        else if (word == "byoyomi")
            time(go.clock.byoyomi);
        else if (word == "movetime")
            time(go.clock.moveTime);
        else if (word == "movestogo" || word == "depth" || word == "nodes") {
            const std::optional<uint64_t> n = ReadWholeNumber(NextWord(args), MaxDigits);
            if (!n) {
                error = "go " + std::string(word) + " needs a whole number";
                continue;
            }
            if (word == "movestogo")
                go.clock.movesToGo = int(std::min<uint64_t>(*n, 1000));
            else if (word == "depth")
                go.depth = int(std::clamp<uint64_t>(*n, 1, 1000));
            else
                go.nodes = std::max<uint64_t>(*n, 1);
        }
    }
    return go;
}
