#pragma once

#include "game_record.h"

#include "rules/rule_set.h"

#include <string>
#include <string_view>

// Longer text is no game record of a 5 x 5 board; it is refused before it is read.
inline constexpr size_t MaxRecordBytes = 1 << 20;

// Reads a game or a position from UTF-8 text: a KIF record (with or without a board diagram,
// with comments and a closing line), one SFEN line, or a USI "position startpos|sfen ...
// [moves ...]" line; "startpos" and a KIF without a diagram mean the start of their rules.
// Every move is replayed under the rules and must be legal; a last move that leaves the
// mover's own king attacked is kept when the record says the other side won by that foul.
// On success the whole game is in record, ready to show. Otherwise record is untouched and error
// says which line and why. Ply 1 and its maps are as they were either way.
bool ReadGameRecord(
    std::string_view text, const RuleSet& rules, GameRecord& record, std::string& error);
