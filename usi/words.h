#pragma once

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>

// Splits off the first word of a command line; rest gets what follows it, without leading spaces.
inline std::string_view FirstWord(std::string_view text, std::string_view& rest)
{
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    text.remove_prefix(start);
    const size_t end = text.find(' ');
    const std::string_view word = text.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view {} : text.substr(end);
    const size_t next = rest.find_first_not_of(' ');
    rest = next == std::string_view::npos ? std::string_view {} : rest.substr(next);
    return word;
}

// Option names and values are matched without regard to case, as front ends expect.
inline bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
}
