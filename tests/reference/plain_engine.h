#pragma once

#include "engine/computer_choice.h"

#include <cstdint>

// The computer opponent exactly as first written, one step of the rules after another, with no
// pruning or caching. It shares the rules, the per-ply arrays and the random generator with the
// engine, so the tests and benchmarks can run both on the same position and compare every
// decision, score and draw.
namespace plain {

void MarkCheckLines(int p, int s);
void MarkCheckCandidates(int p, int s);

bool FindMate(int p, int s, int depth);
bool FindEscape(int p, int s, int depth);
int32_t ClassifyMateMove(int p, int s, int32_t best);
bool EveryReplyMated(int p, int s);

int32_t CountMaterial(int p, int s);
void BuildControlMap(int p);

int32_t SearchValue(int p, int s, int depth);
int32_t LeafValue(int p, int s);

int32_t ScoreCandidate(int p, int s);
ComputerDecision ChooseForcedMate(int s);
ComputerDecision DecideComputerMove(int s);

} // namespace plain
