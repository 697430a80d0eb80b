#pragma once

#include "review/game_review.h"

#include <string>

// The review as velmora-review prints it: words for people, or JSON for programs.
std::string ReviewText(const GameReview& review, const SearchLimits& limits);
std::string ReviewJson(const GameReview& review, const SearchLimits& limits);
