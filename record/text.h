#pragma once

#include <string>
#include <string_view>
#include <vector>

// Reading the text of records and command lines: lines, words and excerpts for messages.

// The start of text for a message: at most about n bytes, never cutting a character in two.
std::string Excerpt(std::string_view text, size_t n = 40);

// Where the text stops being UTF-8 without control characters: the 1-based line, 0 when never.
int LineOfBadByte(std::string_view text);

// The lines of the text, without their "\n" or "\r\n".
std::vector<std::string_view> SplitLines(std::string_view text);

// The words of the text, separated by spaces.
std::vector<std::string_view> SplitWords(std::string_view text);

// Splits off the first word of a command line; rest gets what follows it, without leading spaces.
std::string_view FirstWord(std::string_view text, std::string_view& rest);
