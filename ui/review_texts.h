#pragma once

#include "game_review.h"

#include <cstdint>
#include <string>

// The review's words, one function for each kind of text, so that a translation can replace
// them one by one. Moves and squares stay in USI notation.

std::string SideName(int side); // "Sente", "Gote"
std::string JudgementName(Judgement judgement); // "inaccuracy", "mistake", "blunder"
std::string JudgementPlural(Judgement judgement); // "inaccuracies", ...
std::string PieceName(int type); // "rook", "promoted silver", ...

// Why a move was bad, in one sentence without its full stop, naming the move first:
// "3c4b left the rook on 2b to be taken: 3a2b wins it".
std::string ExplanationText(const Explanation& explanation);
// "Better was 2b1a+."
std::string BetterText(const std::string& move);

// The headings and lines of the review as the command line prints it.
std::string AnalysisLimitsText(int depth, uint64_t nodes);
std::string CountsTable(const GameReview& review);
std::string WorstMomentsHeading(int side);
std::string NoWorstMomentsText();
std::string MomentText(const ReviewedMove& move);
