#pragma once

#include <cstdint>

// Values of a CheckCandidateMap cell.
enum CandidateKind : uint8_t {
    CandidateNone = 0,
    CandidateNear = 1, // gives a direct check only from a square next to the enemy king
    CandidateAny = 2, // may check from a distance
};

// Marks in the CheckLineMap of ply p the squares where a move of a piece other than the king
// can end a check on side s's king: each checker's square and the squares between a sliding
// checker and the king.
void MarkCheckLines(int p, int s);

// Marks in the CheckCandidateMap of ply p which board pieces and hand pieces of the attacking
// side s may give check, and whether they must land next to the enemy king to do so.
void MarkCheckCandidates(int p, int s);
