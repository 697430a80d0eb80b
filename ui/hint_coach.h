#pragma once

#include "hint_sequence.h"
#include "record_keeping.h"

#include <optional>
#include <string>

// The hints of the player's turn against the computer, press by press: the first press says
// what the opponent threatens, the second frames the piece to move, the third its square, and
// further presses show the square again. A new turn starts over. A hint never moves: the game,
// ply 1 and the record stay as they were, but for the note that the move to come had a hint.
class HintCoach {
public:
    // Whether a hint may be asked: a running game, a person to move and the computer on the
    // other side.
    static bool Available();

    // One press. The hint when the turn's search has answered; otherwise the search starts, or
    // goes on, and Poll gives the hint once it has answered.
    std::optional<Hint> Press(Notation notation);
    // While a press waits for the search: its hint once found; nothing while the search goes on,
    // or when the turn has passed meanwhile.
    std::optional<Hint> Poll(Notation notation);
    bool Waiting() const { return waiting_; }
    // Whether hints have been given on the turn as it stands: a move or the end of the game
    // makes them stale.
    bool Current() const;
    // Ends the search, and with it the press waiting for it.
    void Stop();

private:
    // The position and the moves the hints are about, as the record has them now.
    static std::string Turn();
    static size_t NextMove() { return Record.moves.size() + 1; }
    bool SameTurn() const;
    Hint Give(Notation notation);

    HintSearch search_;
    std::optional<HintFindings> findings_;
    std::string turn_; // the turn of the findings, or of the search under way
    int presses_ = 0; // the hints given this turn
    bool waiting_ = false;
};
