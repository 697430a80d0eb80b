#pragma once

#include "record_builder.h"

#include <string_view>
#include <vector>

// Reads the record of a one-line game whose line is lines[first]: a USI line
// "position startpos|sfen ... [moves ...]", or an SFEN line "[sfen] <SFEN> [moves ...]". Only
// blank lines may follow it.
bool ReadUsiLine(RecordBuilder& builder, const std::vector<std::string_view>& lines, size_t first);
bool ReadSfenLine(RecordBuilder& builder, const std::vector<std::string_view>& lines, size_t first);
