#pragma once

#include <ostream>
#include <string>
#include <vector>

// How a set of openings is made: walks from the standard start, each ply a move the strong search
// rates near its best, kept when the search rates the end position near even.
struct OpeningRecipe {
    int count = 400;
    int minPlies = 6;
    int maxPlies = 8;
    int moveDepth = 7; // the search that rates every move of each ply (MultiPV)
    int moveMargin = 60; // centipawns below the best a move may be
    int judgeDepth = 9; // the search that rates the end position
    int evenMargin = 120; // centipawns from even the end position may be
    unsigned seed = 1;
};

// The openings of the recipe, distinct positions in the order found, each as SFEN. The same
// recipe gives the same openings: every search is on one thread to a fixed depth from a cleared
// table.
std::vector<std::string> MakeOpenings(const OpeningRecipe& recipe);

// Writes the openings as an openings file, with a header saying how they were made.
void WriteOpeningsFile(
    const OpeningRecipe& recipe, const std::vector<std::string>& openings, std::ostream& out);
