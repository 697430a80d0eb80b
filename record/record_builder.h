#pragma once

#include "game_record.h"

#include "rules/rule_set.h"

#include <string>
#include <string_view>
#include <vector>

// Builds a record from text as it is read: its start, then every move judged under the rules
// and made on ply 1. The first refusal ends the reading with the line and the reason.
class RecordBuilder {
public:
    RecordBuilder(const RuleSet& rules, GameRecord& record)
        : rules_(rules)
        , record_(record)
    {
    }

    // Refuses the text; line 0 is the text as a whole. Always false, for the reader to return.
    bool Fail(int line, const std::string& reason);
    const std::string& Error() const { return error_; }
    const RuleSet& Rules() const { return rules_; }

    // Sets ply 1 to the start in SFEN and begins the record there.
    bool Start(int line, std::string_view sfen);
    bool Started() const { return started_; }
    // The side to move in the replay.
    int Side() const { return side_; }
    // The moves read so far.
    const std::vector<RecordedMove>& Moves() const { return record_.moves; }
    // Who played side s: "Com" for the computer, "You" or another name for a person.
    void NamePlayer(int s, std::string_view name);

    // Makes the move on ply 1 if the rules allow it; text is the move as written, for a refusal.
    // With foulAllowed, a move that leaves the mover's own king attacked is kept and ends the
    // game, as when the record says the other side won by it.
    bool Play(int line, const Move& move, std::string_view text, bool foulAllowed);

    // Writes down how the game ended: by a foul, by the special move that closed the record (as
    // KIF names it) or by a mate on the board; with none of them the game is still running.
    void Finish(std::string_view special);

private:
    const RuleSet& rules_;
    GameRecord& record_;
    std::string error_;
    int side_ = Sente;
    bool started_ = false;
    bool foul_ = false; // the last move left the mover's king attacked
};
