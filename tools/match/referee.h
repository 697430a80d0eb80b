#pragma once

#include "record/game_record.h"
#include "rules/rule_set.h"

#include <string>
#include <string_view>
#include <vector>

// The rules a game between engines is judged by.
struct RefereeRules {
    const RuleSet* rules = &StandardRules;
    int maxPlies = 300; // a game this long is drawn
};

// One position of a game as repetition sees it: board, hands and side to move, and whether the
// side to move is in check there.
struct PositionMark {
    std::string key;
    bool inCheck = false;
};

// Judges one game on ply 1, which it owns while the game lasts: every move checked by the
// rules and kept in a record, and the game ended by mate, repetition or length, or by the
// caller for time, resignation or a lost engine.
class Referee {
public:
    Referee(const RefereeRules& rules, const std::string& start);

    // The start position could not be read, or the game is over before a move.
    bool Over() const { return record_.end != GameEnd::Running; }
    int SideToMove() const { return side_; }
    const GameRecord& Record() const { return record_; }
    // Why the game ended, in a few words; for an illegal move, what was played and where.
    const std::string& Reason() const { return reason_; }

    // Plays the side to move's USI move. A move the rules refuse loses the game.
    void Play(std::string_view usi);
    // Ends the game: the side to move loses for the reason given.
    void Forfeit(GameEnd end, const std::string& reason);

private:
    void End(GameEnd end, int winner, const std::string& reason);
    void JudgePosition();

    RefereeRules rules_;
    GameRecord record_;
    int side_ = Sente;
    int startMoveNumber_ = 1;
    std::vector<PositionMark> history_;
    std::string reason_;
};
