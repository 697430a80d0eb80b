#include "fast_perft.h"

#include "legal_moves.h"
#include "rules_move.h"

namespace {

// How often the count asks whether to stop: every this many positions whose moves are counted.
constexpr uint64_t StopPollInterval = 4096;

class BoardPerft {
public:
    BoardPerft(const RuleSet& rules, const std::function<bool()>& shouldStop)
        : rules_(rules)
        , shouldStop_(shouldStop)
    {
    }

    bool Stopped() const { return stopped_; }

    // The leaves depth plies below the position; the last ply's moves are counted, not made.
    uint64_t Count(const SearchBoard& b, int s, int depth)
    {
        if (depth <= 1)
            return CountAtLastPly(b, s);
        uint64_t nodes = 0;
        AnyLegalMove(b, s, rules_, [&](const SearchMove& m) {
            SearchBoard next = b;
            Play(next, s, m);
            nodes += Count(next, -s, depth - 1);
            return stopped_;
        });
        return nodes;
    }

private:
    uint64_t CountAtLastPly(const SearchBoard& b, int s)
    {
        if (++sincePoll_ == StopPollInterval) {
            sincePoll_ = 0;
            stopped_ = stopped_ || shouldStop_();
        }
        return CountLegalMoves(b, s, rules_);
    }

    const RuleSet& rules_;
    const std::function<bool()>& shouldStop_;
    uint64_t sincePoll_ = 0;
    bool stopped_ = false;
};

} // namespace

std::optional<std::vector<PerftEntry>> FastPerftDivide(
    const GamePosition& position, int depth, const std::function<bool()>& shouldStop)
{
    const SearchBoard& root = position.board;
    const int s = position.side;
    const RuleSet& rules = *position.rules;
    BoardPerft perft(rules, shouldStop);
    std::vector<PerftEntry> entries;
    AnyLegalMove(root, s, rules, [&](const SearchMove& m) {
        SearchBoard next = root;
        Play(next, s, m);
        entries.push_back({ RulesMove(m, s), depth <= 1 ? 1 : perft.Count(next, -s, depth - 1) });
        return perft.Stopped();
    });
    if (perft.Stopped())
        return std::nullopt;
    return entries;
}
