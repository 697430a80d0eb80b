#include "proof_search.h"

#include <algorithm>
#include <vector>

namespace {

// A position takes microseconds, so asking every few positions keeps an answer to stop prompt.
constexpr uint64_t StopPollInterval = 16;

constexpr uint32_t UncountedMoves = UINT32_MAX;

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

uint64_t ExtendPath(uint64_t pathKey, uint64_t key) { return (pathKey ^ key) * GoldenGamma + 1; }

class ProofSearch {
public:
    ProofSearch(ProofPass& pass, ProofTable& table)
        : pass_(pass)
        , table_(table)
    {
    }

    ProofVerdict Prove(const SearchBoard& root)
    {
        const uint64_t key = HashOf(root, pass_.Attacker());
        const uint64_t tableKey = pass_.TableKey(key, pass_.PlyLimit());
        const ProofEntry* e = nullptr;
        while (!pass_.Stopped()) {
            e = table_.Find(tableKey);
            if (e != nullptr && (e->Proven() || e->Disproven()))
                break;
            Search(root, pass_.Attacker(), key, ExtendPath(0, key), InfiniteProof, InfiniteProof);
        }
        if (pass_.Stopped())
            return pass_.OutOfNodes() ? ProofVerdict::OutOfNodes : ProofVerdict::Stopped;
        return e->Proven() ? ProofVerdict::Mate : ProofVerdict::NoMate;
    }

private:
    void Expand(const SearchBoard& b, int s, int pliesLeft, std::vector<Child>& children) const
    {
        pass_.ForEachChild(b, s, [&](const SearchMove& m, const SearchBoard& next) {
            const uint64_t key = HashOf(next, -s);
            table_.Prefetch(pass_.TableKey(key, pliesLeft - 1));
            children.push_back({ m, next, key, UncountedMoves, {} });
            return false;
        });
    }

    uint32_t CountChecks(const SearchBoard& b, int s) const
    {
        uint32_t checks = 0;
        AnyLegalCheck(b, s, pass_.Rules(), [&](const SearchMove&) { return ++checks, false; });
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
                ? CountChecks(c.board, pass_.Attacker())
                : uint32_t(CountLegalMoves(c.board, -pass_.Attacker(), pass_.Rules()));
        return c.moves;
    }

    // The numbers of a child with the plies left after the move to it: the attacker needs one
    // for a check, a check that is no mate yet two more.
    Numbers NumbersOf(Child& c, bool childAttacks, int pliesLeft, uint64_t childPath) const
    {
        const int repeated = PathIndex(c.key);
        if (repeated >= 0)
            return { InfiniteProof, 0, uint16_t(repeated) };
        if (pass_.PlyLimit() != NoPlyLimit) {
            const int needed = childAttacks ? 1 : MovesOf(c, childAttacks) == 0 ? 0 : 2;
            if (pliesLeft < needed)
                return { InfiniteProof, 0, NoLoop };
        }
        const ProofEntry* e = table_.Find(pass_.TableKey(c.key, pliesLeft));
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
        if (!pass_.CountNode())
            return;
        const uint64_t startNodes = pass_.Nodes();
        const bool orNode = pass_.AttackerToMove(s);
        const int ply = int(path_.size());
        const int pliesLeft = pass_.PlyLimit() - ply; // meaningful only with a limit
        const uint64_t tableKey = pass_.TableKey(key, pliesLeft);
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
            if (phi >= thPhi || delta >= thDelta || pass_.Stopped()) {
                if (dn == 0 && loopPly != NoLoop && loopPly >= ply)
                    loopPly = NoLoop; // the repetition is of this node or below: it holds anywhere
                Record(tableKey, pathKey, pn, dn, loopPly, pass_.Nodes() - startNodes + 1);
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

    ProofPass& pass_;
    ProofTable& table_;
    std::vector<uint64_t> path_;
    // How many positions of the path fall in each slot: most positions are ruled out at a glance.
    static constexpr size_t PathFilterSize = 4096;
    std::vector<uint16_t> onPath_ = std::vector<uint16_t>(PathFilterSize);
};

} // namespace

bool ProofPass::CountNode()
{
    ++nodes_;
    if (nodes_ >= nodeBudget_)
        stopped_ = outOfNodes_ = true;
    if (nodes_ % StopPollInterval == 0 && !stopped_)
        stopped_ = shouldStop_();
    return !stopped_;
}

ProofVerdict ProveMate(const SearchBoard& root, ProofPass& pass, ProofTable& table)
{
    return ProofSearch(pass, table).Prove(root);
}
