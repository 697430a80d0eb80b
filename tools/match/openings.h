#pragma once

#include "rules/rule_set.h"

#include <istream>
#include <string>
#include <string_view>
#include <vector>

// Reads opening positions, one SFEN a line; empty lines and lines starting with '#' are
// skipped. Each must be a position the SFEN reader accepts (which refuses the side not to move in
// check) with a legal move for the side to move. Fails on the first that is not, naming its line
// in error.
std::vector<std::string> ReadOpenings(std::istream& in, const RuleSet& rules, std::string& error);

// The position seen in a mirror standing on the centre file. Velmora's start mirrors the standard
// one, so the standard openings serve Velmora's rule set mirrored.
std::string MirrorSfen(std::string_view sfen);
