#include "solver.h"

#include "line.h"
#include "proof_search.h"
#include "proof_table.h"

#include <algorithm>

namespace {

// Enough for well over a million positions; a proof that needs more is beyond the time given.
constexpr size_t TableMegabytes = 32;
// The positions spent on looking for a shorter mate once one is proved, at least and as a multiple
// of the first proof's: a long mate is not worth a long wait for a shorter one.
constexpr uint64_t MinShorteningNodes = 300'000;
constexpr uint64_t ShorteningNodesPerProofNode = 8;

} // namespace

MateSolution SolveMate(const GamePosition& position, const std::function<bool()>& askStop)
{
    const int s = position.side;
    const RuleSet& rules = *position.rules;
    // Once asked to stop, stopped for good: the caller is not asked again.
    bool stopAnswered = false;
    const std::function<bool()> shouldStop
        = [&] { return stopAnswered = stopAnswered || askStop(); };
    const SearchBoard& root = position.board;
    MateSolution solution;
    // One table serves every pass; each pass asks its own question, so starts from a clear one.
    ProofTable table(TableMegabytes);
    {
        ProofPass pass(s, rules, NoPlyLimit, NoNodeBudget, shouldStop);
        const ProofVerdict verdict = ProveMate(root, pass, table);
        if (verdict != ProofVerdict::Mate) {
            solution.nodes = pass.Nodes();
            solution.outcome
                = verdict == ProofVerdict::NoMate ? MateOutcome::NoMate : MateOutcome::Stopped;
            return solution;
        }
        solution.line = ReadMateLine(root, pass, table);
        solution.nodes = pass.Nodes();
    }
    // The proof may have taken a long way round: ask for a mate two plies shorter until there is
    // none, or the positions allowed for it run out. A mate once proved is kept even if asked to
    // stop meanwhile. No line yet means a stop, or a proof partly overwritten in the table: then
    // the first bounded search, without an allowance, finds the line again.
    uint64_t budget = solution.line.empty()
        ? NoNodeBudget
        : std::max(MinShorteningNodes, solution.nodes * ShorteningNodesPerProofNode);
    int limit = solution.line.empty() ? MaxLinePlies : int(solution.line.size()) - 2;
    while (limit >= 1) {
        table.Clear();
        ProofPass shorter(s, rules, limit, budget, shouldStop);
        const ProofVerdict verdict = ProveMate(root, shorter, table);
        std::vector<Move> line;
        if (verdict == ProofVerdict::Mate)
            line = ReadMateLine(root, shorter, table);
        solution.nodes += shorter.Nodes();
        if (budget == NoNodeBudget)
            budget = std::max(MinShorteningNodes, shorter.Nodes() * ShorteningNodesPerProofNode);
        budget -= std::min(budget, shorter.Nodes());
        if (line.empty())
            break;
        solution.line = line;
        limit = int(line.size()) - 2;
    }
    if (!solution.line.empty())
        solution.outcome = MateOutcome::Mate;
    else
        solution.outcome = stopAnswered ? MateOutcome::Stopped : MateOutcome::ProvedWithoutLine;
    return solution;
}
