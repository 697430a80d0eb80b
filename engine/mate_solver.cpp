#include "mate_solver.h"

#include "board_hash.h"
#include "legal_moves.h"
#include "proof_table.h"
#include "root_moves.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>
#include <unordered_map>
#include <utility>

namespace {

// Enough for well over a million positions; a proof that needs more is beyond the time given.
constexpr size_t TableMegabytes = 32;
// A position takes microseconds, so asking every few positions keeps an answer to stop prompt.
constexpr uint64_t StopPollInterval = 16;
// The longest line looked for in a proof; far longer than any proof the search finishes.
constexpr int MaxLinePlies = 501;
// Near the end of a line every check is tried, not only the proven ones.
constexpr int PlainFinishPlies = 4;
// The positions spent on looking for a shorter mate once one is proved, at least and as a multiple
// of the first proof's: a long mate is not worth a long wait for a shorter one.
constexpr uint64_t MinShorteningNodes = 300'000;
constexpr uint64_t ShorteningNodesPerProofNode = 8;

enum class Verdict { Mate, NoMate, Stopped, OutOfNodes };

constexpr int NoPlyLimit = 0;
constexpr uint32_t UncountedMoves = UINT32_MAX;
constexpr uint64_t NoNodeBudget = UINT64_MAX;

// The numbers of a node as its parent sees them, with the repetition its disproof rests on.
struct Numbers {
    uint32_t pn, dn;
    uint16_t loopPly;
};

struct Child {
    SearchMove move;
    SearchBoard board;
    uint64_t key; // of the position alone
    // The moves of the side to move after it: for a check the defender's legal replies, the
    // first guess of its proof number; for a reply the attacker's checks, of its disproof number.
    uint32_t moves;
    Numbers numbers; // as last looked up
};

uint32_t SaturatedSum(uint64_t a, uint64_t b)
{
    if (a >= InfiniteProof || b >= InfiniteProof)
        return InfiniteProof;
    return uint32_t(std::min<uint64_t>(a + b, InfiniteProof - 1));
}

uint64_t ExtendPath(uint64_t pathKey, uint64_t key)
{
    return (pathKey ^ key) * 0x9E3779B97F4A7C15ULL + 1;
}

// Depth-first proof-number search for mate by checks: the attacker's moves are its legal checks,
// the defender's every legal reply. A mate is a check with no legal reply; a position the defender
// reaches again is not a mate on that path (the attacker's checks would go round forever).
// With a ply limit it proves or disproves a mate within that many plies: the same position then
// counts as a different one for each number of plies left.
class MateSolver {
public:
    MateSolver(int attacker, bool pawnDropMateLegal, int plyLimit, uint64_t nodeBudget,
        const std::function<bool()>& shouldStop)
        : attacker_(attacker)
        , pawnDropMateLegal_(pawnDropMateLegal)
        , plyLimit_(plyLimit)
        , nodeBudget_(nodeBudget)
        , shouldStop_(shouldStop)
        , table_(TableMegabytes)
    {
    }

    uint64_t Nodes() const { return nodes_; }

    Verdict Prove(const SearchBoard& root)
    {
        const uint64_t key = HashOf(root, attacker_);
        const uint64_t tableKey = TableKey(key, plyLimit_);
        const ProofEntry* e = nullptr;
        while (!stopped_) {
            e = table_.Find(tableKey);
            if (e != nullptr && (e->Proven() || e->Disproven()))
                break;
            Search(root, attacker_, key, ExtendPath(0, key), InfiniteProof, InfiniteProof);
        }
        if (stopped_)
            return outOfNodes_ ? Verdict::OutOfNodes : Verdict::Stopped;
        return e->Proven() ? Verdict::Mate : Verdict::NoMate;
    }

    // The line of a proved mate: the shortest mate the proof holds, against the defender's
    // longest resistance. Empty when stopped meanwhile.
    std::vector<Move> MainLine(const SearchBoard& root)
    {
        int plies = 1;
        while (plies <= MaxLinePlies && !MatesWithin(root, attacker_, plies))
            plies += 2;
        std::vector<Move> line;
        SearchBoard b = root;
        for (int s = attacker_; plies > 0 && !stopped_; s = -s) {
            const Step next
                = AttackerToMove(s) ? ShortestCheck(b, s, plies) : LongestReply(b, s, plies);
            if (!next)
                break;
            line.push_back(RulesMove(next->first, s));
            Play(b, s, next->first);
            plies = next->second;
        }
        if (stopped_ || plies > 0)
            line.clear(); // cut short: no line rather than one that does not end in mate
        return line;
    }

private:
    bool AttackerToMove(int s) const { return s == attacker_; }

    uint64_t TableKey(uint64_t key, int pliesLeft) const
    {
        if (plyLimit_ == NoPlyLimit)
            return key;
        uint64_t state = uint64_t(pliesLeft);
        return key ^ SplitMix64(state);
    }

    bool CountNode()
    {
        ++nodes_;
        if (nodes_ >= nodeBudget_)
            stopped_ = outOfNodes_ = true;
        if (nodes_ % StopPollInterval == 0 && !stopped_)
            stopped_ = shouldStop_();
        return !stopped_;
    }

    // Visits the moves of the side to move, each with the position after it, until the visitor
    // returns true: checks for the attacker, every legal reply for the defender.
    template <typename Visit> void ForEachChild(const SearchBoard& b, int s, Visit&& visit) const
    {
        auto made = [&](const SearchMove& m) {
            SearchBoard next = b;
            Play(next, s, m);
            return visit(m, next);
        };
        if (AttackerToMove(s))
            AnyLegalCheck(b, s, pawnDropMateLegal_, made);
        else
            AnyLegalMove(b, s, pawnDropMateLegal_, made);
    }

    void Expand(const SearchBoard& b, int s, int pliesLeft, std::vector<Child>& children) const
    {
        ForEachChild(b, s, [&](const SearchMove& m, const SearchBoard& next) {
            const uint64_t key = HashOf(next, -s);
            table_.Prefetch(TableKey(key, pliesLeft - 1));
            children.push_back({ m, next, key, UncountedMoves, {} });
            return false;
        });
    }

    uint32_t CountChecks(const SearchBoard& b, int s) const
    {
        uint32_t checks = 0;
        AnyLegalCheck(b, s, pawnDropMateLegal_, [&](const SearchMove&) { return ++checks, false; });
        return checks;
    }

    int PathIndex(uint64_t key) const
    {
        if (onPath_[key % PathFilterSize] == 0)
            return -1;
        for (size_t i = 0; i < path_.size(); ++i)
            if (path_[i] == key)
                return int(i);
        return -1;
    }

    void EnterPath(uint64_t key)
    {
        path_.push_back(key);
        ++onPath_[key % PathFilterSize];
    }

    void LeavePath()
    {
        --onPath_[path_.back() % PathFilterSize];
        path_.pop_back();
    }

    // A child's moves are counted only when first needed: most children are found in the table.
    uint32_t MovesOf(Child& c, bool childAttacks) const
    {
        if (c.moves == UncountedMoves)
            c.moves = childAttacks
                ? CountChecks(c.board, attacker_)
                : uint32_t(CountLegalMoves(c.board, -attacker_, pawnDropMateLegal_));
        return c.moves;
    }

    // The numbers of a child with the plies left after the move to it: the attacker needs one
    // for a check, a check that is no mate yet two more.
    Numbers NumbersOf(Child& c, bool childAttacks, int pliesLeft, uint64_t childPath) const
    {
        const int repeated = PathIndex(c.key);
        if (repeated >= 0)
            return { InfiniteProof, 0, uint16_t(repeated) };
        if (plyLimit_ != NoPlyLimit) {
            const int needed = childAttacks ? 1 : MovesOf(c, childAttacks) == 0 ? 0 : 2;
            if (pliesLeft < needed)
                return { InfiniteProof, 0, NoLoop };
        }
        const ProofEntry* e = table_.Find(TableKey(c.key, pliesLeft));
        const bool heldHere = e != nullptr && (e->loopPly == NoLoop || e->pathKey == childPath);
        if (heldHere)
            return { e->pn, e->dn, e->loopPly };
        if (MovesOf(c, childAttacks) == 0)
            return childAttacks ? Numbers { InfiniteProof, 0, NoLoop }
                                : Numbers { 0, InfiniteProof, NoLoop };
        return childAttacks ? Numbers { 1, c.moves, NoLoop } : Numbers { c.moves, 1, NoLoop };
    }

    void Record(uint64_t tableKey, uint64_t pathKey, uint32_t pn, uint32_t dn, uint16_t loopPly,
        uint64_t work)
    {
        ProofEntry& e = table_.Store(tableKey);
        e.key = tableKey;
        e.used = true;
        e.pn = pn;
        e.dn = dn;
        e.loopPly = dn == 0 ? loopPly : NoLoop;
        e.pathKey = pathKey;
        e.work = uint32_t(std::min<uint64_t>(uint64_t(e.work) + work, UINT32_MAX));
    }

    // One node of the search, expanded until its numbers pass the thresholds. phi and delta are
    // the node's proof and disproof numbers seen from the side to move: for the attacker's node
    // the proof number and disproof number, for the defender's the other way round.
    void Search(const SearchBoard& b, int s, uint64_t key, uint64_t pathKey, uint32_t thPhi,
        uint32_t thDelta)
    {
        if (!CountNode())
            return;
        const uint64_t startNodes = nodes_;
        const bool orNode = AttackerToMove(s);
        const int ply = int(path_.size());
        const int pliesLeft = plyLimit_ - ply; // meaningful only with a limit
        const uint64_t tableKey = TableKey(key, pliesLeft);
        std::vector<Child> children;
        Expand(b, s, pliesLeft, children);
        if (children.empty()) {
            // No check is no mate; no reply to a check is mate.
            Record(tableKey, pathKey, orNode ? InfiniteProof : 0, orNode ? 0 : InfiniteProof,
                NoLoop, 1);
            return;
        }
        EnterPath(key);
        // Each child is looked up once and again only after it has been searched: a sibling that
        // a transposition has changed meanwhile is seen when its own turn comes.
        auto lookUp = [&](Child& c) {
            c.numbers = NumbersOf(c, !orNode, pliesLeft - 1, ExtendPath(pathKey, c.key));
        };
        for (Child& c : children)
            lookUp(c);
        while (true) {
            uint32_t phi = InfiniteProof, second = InfiniteProof, delta = 0;
            size_t best = 0;
            uint16_t loopPly = orNode ? NoLoop : 0;
            uint32_t bestChildPhi = 0;
            for (size_t i = 0; i < children.size(); ++i) {
                const Numbers& n = children[i].numbers;
                const uint32_t childDelta = orNode ? n.pn : n.dn; // what the node minimises
                const uint32_t childPhi = orNode ? n.dn : n.pn; // what the node sums
                if (childDelta < phi) {
                    second = phi;
                    phi = childDelta;
                    best = i;
                    bestChildPhi = childPhi;
                } else if (childDelta < second) {
                    second = childDelta;
                }
                delta = SaturatedSum(delta, childPhi);
                // A disproof: for the attacker every check fails, so it rests on all their
                // repetitions; for the defender one reply escapes, the least conditional one.
                if (n.dn == 0)
                    loopPly = orNode ? std::min(loopPly, n.loopPly) : std::max(loopPly, n.loopPly);
            }
            const uint32_t pn = orNode ? phi : delta, dn = orNode ? delta : phi;
            if (phi >= thPhi || delta >= thDelta || stopped_) {
                if (dn == 0 && loopPly != NoLoop && loopPly >= ply)
                    loopPly = NoLoop; // the repetition is of this node or below: it holds anywhere
                Record(tableKey, pathKey, pn, dn, loopPly, nodes_ - startNodes + 1);
                break;
            }
            Child& c = children[best];
            const uint64_t childThPhi
                = std::min<uint64_t>(uint64_t(thDelta) - delta + bestChildPhi, InfiniteProof);
            // The child may go on until it is half as bad again as the next best sibling, not just
            // worse: without that margin the search swings between two close siblings, each
            // expanded anew every time.
            const uint64_t widened = uint64_t(second) + second / 2 + 1;
            const uint64_t childThDelta = std::min<uint64_t>(thPhi, widened);
            Search(c.board, -s, c.key, ExtendPath(pathKey, c.key), uint32_t(childThPhi),
                uint32_t(childThDelta));
            lookUp(c);
        }
        LeavePath();
    }

    using Step = std::optional<std::pair<SearchMove, int>>; // a move and the plies left after it

    Step ShortestCheck(const SearchBoard& b, int s, int plies)
    {
        Step found;
        ForEachChild(b, s, [&](const SearchMove& m, const SearchBoard& next) {
            if (MatesWithin(next, -s, plies - 1))
                found = { m, plies - 1 };
            return found.has_value();
        });
        return found;
    }

    Step LongestReply(const SearchBoard& b, int s, int plies)
    {
        Step found;
        ForEachChild(b, s, [&](const SearchMove& m, const SearchBoard& next) {
            int left = 1;
            while (left < plies - 1 && !MatesWithin(next, -s, left))
                left += 2;
            if (!found || left > found->second)
                found = { m, left };
            return false;
        });
        return found;
    }

    // Whether the attacker mates within the plies from the position, using the proven positions
    // of the table and, near the end, any check.
    bool MatesWithin(const SearchBoard& b, int s, int plies)
    {
        if (!CountNode())
            return false;
        const uint64_t key = HashOf(b, s);
        {
            const Bounds& known = bounds_[key];
            if (plies >= known.matesWithin)
                return true;
            if (plies <= known.escapesBeyond)
                return false;
        }
        bool mates = false;
        if (AttackerToMove(s)) {
            ForEachChild(b, s, [&](const SearchMove&, const SearchBoard& next) {
                if (plies < 1)
                    return true;
                if (!HasLegalMove(next, -s, pawnDropMateLegal_))
                    return mates = true;
                const ProofEntry* e = table_.Find(TableKey(HashOf(next, -s), plies - 1));
                const bool promising
                    = plies - 1 <= PlainFinishPlies || (e != nullptr && e->Proven());
                mates = plies >= 3 && promising && MatesWithin(next, -s, plies - 1);
                return mates;
            });
        } else {
            bool escapes = false;
            ForEachChild(b, s, [&](const SearchMove&, const SearchBoard& next) {
                escapes = plies < 2 || !MatesWithin(next, -s, plies - 1);
                return escapes;
            });
            mates = !escapes;
        }
        if (stopped_)
            return false;
        Bounds& known = bounds_[key]; // looked up again: the map may have grown meanwhile
        if (mates)
            known.matesWithin = std::min(known.matesWithin, plies);
        else
            known.escapesBeyond = std::max(known.escapesBeyond, plies);
        return mates;
    }

    struct Bounds {
        int matesWithin = MaxLinePlies + 1; // the fewest plies known to be enough
        int escapesBeyond = -1; // the most plies known not to be
    };

    const int attacker_;
    const bool pawnDropMateLegal_;
    const int plyLimit_;
    const uint64_t nodeBudget_;
    const std::function<bool()>& shouldStop_;
    ProofTable table_;
    std::vector<uint64_t> path_;
    // How many positions of the path fall in each slot: most positions are ruled out at a glance.
    static constexpr size_t PathFilterSize = 4096;
    std::vector<uint16_t> onPath_ = std::vector<uint16_t>(PathFilterSize);
    std::unordered_map<uint64_t, Bounds> bounds_;
    uint64_t nodes_ = 0;
    bool stopped_ = false, outOfNodes_ = false;
};

} // namespace

MateSolution SolveMate(int s, bool pawnDropMateLegal, const std::function<bool()>& askStop)
{
    // Once asked to stop, stopped for good: the caller is not asked again.
    bool stopAnswered = false;
    const std::function<bool()> shouldStop
        = [&] { return stopAnswered = stopAnswered || askStop(); };
    const SearchBoard root = LoadBoard(1, 0);
    MateSolution solution;
    {
        MateSolver solver(s, pawnDropMateLegal, NoPlyLimit, NoNodeBudget, shouldStop);
        const Verdict verdict = solver.Prove(root);
        if (verdict != Verdict::Mate) {
            solution.nodes = solver.Nodes();
            solution.outcome
                = verdict == Verdict::NoMate ? MateOutcome::NoMate : MateOutcome::Stopped;
            return solution;
        }
        solution.line = solver.MainLine(root);
        solution.nodes = solver.Nodes();
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
        MateSolver shorter(s, pawnDropMateLegal, limit, budget, shouldStop);
        const Verdict verdict = shorter.Prove(root);
        std::vector<Move> line;
        if (verdict == Verdict::Mate)
            line = shorter.MainLine(root);
        solution.nodes += shorter.Nodes();
        if (budget == NoNodeBudget)
            budget = std::max(MinShorteningNodes, shorter.Nodes() * ShorteningNodesPerProofNode);
        budget -= std::min(budget, shorter.Nodes());
        if (line.empty())
            break;
        solution.line = line;
        limit = int(line.size()) - 2;
    }
    if (solution.line.empty()) {
        // A proof that no bounded search reads back as a line ending in mate is not trusted: the
        // question stays open, and "stopped" is not claimed before the caller has said stop.
        while (!shouldStop())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        solution.outcome = MateOutcome::Stopped;
        return solution;
    }
    solution.outcome = MateOutcome::Mate;
    return solution;
}
