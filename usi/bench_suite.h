#pragma once

#include "position_suite_text.h"

#include "bench/position_suite.h"
#include "rules/sfen.h"

#include <chrono>
#include <ostream>
#include <string>

// Sets each position of the built-in suite up as ply 1, in the suite's order, and calls
// visit(name, side to move) on it. A position that does not read is named with its error on out
// and skipped, so a broken suite line shows in the output the signatures are made of.
template <typename Visit> void ForEachBenchPosition(std::ostream& out, Visit&& visit)
{
    for (const SuitePosition& p : ParsePositionSuite(PositionSuiteText)) {
        SfenHeader header;
        std::string error;
        if (!ReadSfen(p.sfen, header, error)) {
            out << p.name << " error " << error << '\n';
            continue;
        }
        visit(p.name, header.side);
    }
}

inline double MillisecondsSince(std::chrono::steady_clock::time_point started)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
        .count();
}
