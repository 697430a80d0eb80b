#pragma once

#include "proof_search.h"

#include "rules/moves.h"

#include <vector>

// The longest line looked for in a proof; far longer than any proof the search finishes.
inline constexpr int MaxLinePlies = 501;

// Reads the line of a mate that the pass has proved into the table: the shortest mate the proof
// holds, against the defender's longest resistance. Empty when the pass stops meanwhile, or when
// the table no longer holds a line that ends in mate. Counts its positions in the pass.
std::vector<Move> ReadMateLine(const SearchBoard& root, ProofPass& pass, const ProofTable& table);
