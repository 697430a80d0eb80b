#pragma once

#include "game_record.h"

#include <string>
#include <vector>

// The record as KIF, the text record shogi programs exchange (UTF-8, lines ending in "\n"):
// the minishogi header, the players, the start position as a board diagram with both hands,
// the numbered moves and a closing line that says how the game ended.
// Comment lines ("*..."), when given, go one to a position: the first after the heading of the
// move list, for the start, then one after each move line.
std::string WriteKif(const GameRecord& record, const std::vector<std::string>& comments = {});

// One move in KIF notation, "１三歩(14)", "同　銀不成(22)", "３二金打"; previous is the square
// the move before went to (x 0 when there was none).
std::string KifMove(const RecordedMove& move, int previousX, int previousY);

// The move without the square it came from, as a player says it: "１三歩", "同　銀不成",
// "３二金打".
std::string KifMoveWithoutOrigin(const RecordedMove& move, int previousX, int previousY);
