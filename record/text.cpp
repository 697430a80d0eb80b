#include "text.h"

#include <algorithm>

std::string Excerpt(std::string_view text, size_t n)
{
    if (text.size() <= n)
        return std::string(text);
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xc0) == 0x80)
        --n;
    return std::string(text.substr(0, n));
}

int LineOfBadByte(std::string_view text)
{
    int line = 1;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n')
            ++line;
        if (c < 0x80) {
            if (c < 0x20 && c != '\n' && c != '\r' && c != '\t')
                return line;
            ++i;
            continue;
        }
        // The lead byte says how many continuation bytes follow and the range of the first.
        int more = 0;
        unsigned char low = 0x80, high = 0xbf;
        if (c >= 0xc2 && c <= 0xdf)
            more = 1;
        else if (c >= 0xe0 && c <= 0xef)
            more = 2, low = c == 0xe0 ? 0xa0 : 0x80, high = c == 0xed ? 0x9f : 0xbf;
        else if (c >= 0xf0 && c <= 0xf4)
            more = 3, low = c == 0xf0 ? 0x90 : 0x80, high = c == 0xf4 ? 0x8f : 0xbf;
        else
            return line;
        for (int k = 1; k <= more; ++k) {
            if (i + k >= text.size())
                return line;
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xbf))
                return line;
        }
        i += size_t(more) + 1;
    }
    return 0;
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::vector<std::string_view> SplitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    for (size_t i = 0; i < text.size();) {
        const size_t end = std::min(text.find(' ', i), text.size());
        if (end > i)
            words.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    return words;
}

std::string_view FirstWord(std::string_view text, std::string_view& rest)
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
