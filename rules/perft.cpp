#include "perft.h"

#include "legality.h"

uint64_t Perft(int p, int s, int depth)
{
    uint64_t nodes = 0;
    ForEachMove(p, s, [&](const Move& m) {
        if (MakeMoveIfSafe(p, s, m))
            nodes += depth <= 1 ? 1 : Perft(p + 1, -s, depth - 1);
    });
    return nodes;
}

std::vector<PerftEntry> PerftDivide(int s, int depth)
{
    std::vector<PerftEntry> entries;
    ForEachMove(1, s, [&](const Move& m) {
        if (MakeMoveIfSafe(1, s, m))
            entries.push_back({ m, depth <= 1 ? 1 : Perft(2, -s, depth - 1) });
    });
    return entries;
}
