#pragma once

#include "game_review.h"

#include <cstdint>
#include <string>

// The review's words, one function for each kind of text, so that a translation can replace
// them one by one. Moves and squares stay in USI notation.

// Gives the translation of one English template, whose places are written %1 to %9.
using ReviewTranslation = std::string (*)(const char* text);
// The window puts Qt's translation here; with none, as for the command line, the texts stay
// English.
void SetReviewTranslation(ReviewTranslation translate);

std::string SideName(int side); // "Sente", "Gote"
std::string JudgementName(Judgement judgement); // "inaccuracy", "mistake", "blunder"
std::string JudgementPlural(Judgement judgement); // "inaccuracies", ...
std::string PieceName(int type); // "rook", "promoted silver", ...

// Why a move was bad, in one sentence without its full stop, naming the move first: one function
// for each reason, and ExplanationText to choose among them.
std::string MissedMateText(const Explanation& e); // "… missed a mate in 3: 2b1a+ …"
std::string AllowedMateText(const Explanation& e); // "… allowed a mate in 5: …"
std::string LostExchangeText(const Explanation& e); // "… took the pawn on 5b but loses …"
std::string LeftHangingText(const Explanation& e); // "3c4b left the rook on 2b to be taken: …"
std::string LosesPieceText(const Explanation& e); // "… loses a silver within three moves: …"
std::string MissedCaptureText(const Explanation& e); // "… let the bishop on 3c go: 2d3c wins it"
std::string ChanceFellText(const Explanation& e); // "… let the winning chance fall from …"
std::string ExplanationText(const Explanation& explanation);
// "Better was 2b1a+."
std::string BetterText(const std::string& move);

// The headings and lines of the review as the command line prints it.
std::string AnalysisLimitsText(int depth, uint64_t nodes);
std::string CountsTable(const GameReview& review);
std::string WorstMomentsHeading(int side);
std::string NoWorstMomentsText();
std::string MomentText(const ReviewedMove& move);
