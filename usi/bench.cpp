#include "bench.h"

#include "bench_suite.h"

#include "engine/classic/computer_choice.h"
#include "engine/classic/random_below.h"
#include "rules/rule_tables.h"
#include "rules/usi_move.h"

#include <cstdio>
#include <string>

namespace {

// 64-bit FNV-1a: a few lines, and any changed byte changes the result.
uint64_t Fnv1a(uint64_t hash, const std::string& text)
{
    for (const unsigned char c : text)
        hash = (hash ^ c) * 0x100000001b3u;
    return hash;
}

constexpr uint64_t FnvOffset = 0xcbf29ce484222325u;

std::string DecisionLine(const std::string& name, const ComputerDecision& d)
{
    char seed[16];
    std::snprintf(seed, sizeof seed, "%08x", unsigned(RandomSeed));
    return name + " " + WriteUsiMove(d.move) + " score " + std::to_string(d.score)
        + (d.forcedMate ? " mate" : "") + (d.resigns ? " resign" : "") + " seed " + seed;
}

} // namespace

uint64_t RunBench(std::ostream& out, std::ostream& timing)
{
    const auto started = std::chrono::steady_clock::now();
    RandomSeed = 0;
    uint64_t signature = FnvOffset;
    int decided = 0;
    ForEachBenchPosition(out, [&](const std::string& name, int side) {
        const std::string line
            = DecisionLine(name, DecideComputerMove(PositionOfPly(1, side, VelmoraRules)));
        signature = Fnv1a(signature, line + '\n');
        out << line << '\n';
        ++decided;
    });
    out << "signature " << signature << '\n';
    timing << decided << " positions decided in " << MillisecondsSince(started) << " ms\n";
    return signature;
}
