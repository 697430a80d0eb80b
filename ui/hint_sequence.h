#pragma once

#include "engine/strong/background_search.h"
#include "notation.h"
#include "review/game_analysis.h"

#include "rules/moves.h"
#include "rules/rule_set.h"

#include <optional>
#include <string>

// A hint looks as deep as the analysis of a game, so that a hint and the review of the same
// position agree, and it answers within a moment.
inline constexpr SearchLimits HintLimits = AnalysisLimits;

// What the hints of one turn rest on.
struct HintFindings {
    bool inCheck = false; // the player is in check: the check is the threat
    // What the opponent would play were it its move; none in check or when it could not move.
    std::optional<Move> threat;
    // The move the search would play for the player; none when the player has no move.
    std::optional<Move> best;
};

// Finds both off the window's thread, for ply 1 with the player to move.
class HintSearch {
public:
    // Ply 1 is read here, on the caller's thread; the search works on copies.
    void Start(int player, const RuleSet& rules, const SearchLimits& limits = HintLimits);
    bool Searching() const { return search_.Running(); }
    bool Ready() const { return search_.Finished(); }
    // The findings, once ready.
    HintFindings Take();
    void Stop() { search_.Stop(); }

private:
    BackgroundSearch search_;
    HintFindings findings_; // written by the search before it finishes, read only after
};

// What the hints of a turn show, press by press.
enum class HintStep { Threat = 1, Piece, Square };

// One hint: the words said, and for the piece and its square the cell framed (a board square,
// or for a drop the hand slot); x 0 for none.
struct Hint {
    HintStep step;
    std::string words;
    int x = 0, y = 0;
};

// The hint of the given step: what the opponent threatens ("Gote threatens silver 3a to 4b,
// taking your rook"), the piece to move ("Move your silver on 3e") or where it goes ("Play
// silver 3e to 4d"), the move in the notation given. Reads ply 1 with the player to move to name
// the pieces, and leaves it, its destinations, the game state and the record as they were.
Hint HintFor(const HintFindings& findings, int player, HintStep step, Notation notation);
