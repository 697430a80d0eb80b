#pragma once

#include "engine/classic/computer_choice.h"
#include "tests/reference/plain_maps.h"

#include <cstdint>

// The computer opponent exactly as first written, one step of the rules after another, with no
// pruning or caching. It shares the rules, the per-ply arrays and the random generator with the
// engine, so the tests and benchmarks can run both on the same position and compare every
// decision, score and draw.
namespace plain {

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

bool FindMate(int p, int s, int depth);
bool FindEscape(int p, int s, int depth);
int32_t ClassifyMateMove(int p, int s, int32_t best);
bool EveryReplyMated(int p, int s);

// Counts, for every board square of ply p, how many pieces of each side reach it, defended
// own pieces included. Overwrites the ply's TargetMap.
void BuildControlMap(int p);

int32_t SearchValue(int p, int s, int depth);
int32_t LeafValue(int p, int s);

int32_t ScoreCandidate(int p, int s);
ComputerDecision ChooseForcedMate(int s);
ComputerDecision DecideComputerMove(int s);

} // namespace plain
