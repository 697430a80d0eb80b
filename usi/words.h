#pragma once

#include "record/text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string_view>

// Option names and values are matched without regard to case, as front ends expect.
inline bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
}
