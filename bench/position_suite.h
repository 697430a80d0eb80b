#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

// One position of the benchmark suite: its SFEN and a short name saying what it is there for.
struct SuitePosition {
    std::string name;
    std::string sfen;
};

// Reads the text of bench/positions.sfen: one "<name> <SFEN>" per line; blank lines and lines
// starting with '#' are comments.
inline std::vector<SuitePosition> ParsePositionSuite(std::string_view text)
{
    std::vector<SuitePosition> suite;
    std::istringstream in { std::string(text) };
    for (std::string line; std::getline(in, line);) {
        const size_t space = line.find(' ');
        if (line.empty() || line[0] == '#' || space == std::string::npos)
            continue;
        suite.push_back({ line.substr(0, space), line.substr(space + 1) });
    }
    return suite;
}

inline std::vector<SuitePosition> ReadPositionSuite(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return ParsePositionSuite(text.str());
}
