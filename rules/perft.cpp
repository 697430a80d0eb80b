#include "perft.h"

#include "legality.h"

#include <limits>

namespace {

// Adds the leaves below ply p to nodes; once nodes passes maxNodes the rest of the tree is skipped.
void CountLeaves(int p, int s, int depth, uint64_t maxNodes, uint64_t& nodes)
{
    ForEachMove(p, s, [&](const Move& m) {
        if (nodes > maxNodes || !MakeMoveIfSafe(p, s, m))
            return;
        if (depth <= 1)
            ++nodes;
        else
            CountLeaves(p + 1, -s, depth - 1, maxNodes, nodes);
    });
}

constexpr uint64_t Unlimited = std::numeric_limits<uint64_t>::max();

} // namespace

uint64_t Perft(int p, int s, int depth)
{
    uint64_t nodes = 0;
    CountLeaves(p, s, depth, Unlimited, nodes);
    return nodes;
}

std::optional<std::vector<PerftEntry>> PerftDivideWithin(int s, int depth, uint64_t maxNodes)
{
    std::vector<PerftEntry> entries;
    uint64_t total = 0;
    ForEachMove(1, s, [&](const Move& m) {
        if (total > maxNodes || !MakeMoveIfSafe(1, s, m))
            return;
        uint64_t nodes = depth <= 1 ? 1 : 0;
        if (depth > 1)
            CountLeaves(2, -s, depth - 1, maxNodes - total, nodes);
        entries.push_back({ m, nodes });
        total += nodes;
    });
    if (total > maxNodes)
        return std::nullopt;
    return entries;
}

std::vector<PerftEntry> PerftDivide(int s, int depth)
{
    return *PerftDivideWithin(s, depth, Unlimited);
}
