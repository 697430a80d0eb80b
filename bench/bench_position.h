#pragma once

#include "rules/rule_tables.h"
#include "rules/sfen.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <string_view>

// Sets up the SFEN on ply 1 and gives the side to move. A malformed SFEN
// skips the benchmark with the reason and gives nothing.
inline std::optional<int> LoadBenchPosition(benchmark::State& state, std::string_view sfen)
{
    SfenHeader header;
    std::string error;
    if (!ReadSfen(sfen, header, error)) {
        state.SkipWithError(error.c_str());
        return std::nullopt;
    }
    return header.side;
}
