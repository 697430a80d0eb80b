#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct SelfPlaySettings {
    int games = 4000;
    uint64_t nodesPerMove = 3000;
    int randomPlies = 2; // random legal moves after the opening, so that games differ
    uint32_t seed = 1;
};

// Plays the strong search against itself under standard rules from the openings, on one thread
// with a node limit so that the same settings give the same games, and writes one line per quiet
// position: its result for Sente (1, 0.5 or 0), a space, its SFEN.
void WriteSelfPlayPositions(
    const std::vector<std::string>& openings, const SelfPlaySettings& settings, std::ostream& out);
