#pragma once

#include "proof_table.h"

#include "engine/board/hash.h"
#include "engine/board/legal_moves.h"
#include "engine/board/search_board.h"

#include <cstdint>
#include <functional>

// A ply limit of none: the proof search then looks for a mate of any length.
inline constexpr int NoPlyLimit = 0;
inline constexpr uint64_t NoNodeBudget = UINT64_MAX;

// What one pass of the proof search and the reading of its line share: whose mate is looked for
// under which rules, within how many plies, and the positions searched so far against the
// budget and the caller's stop.
class ProofPass {
public:
    ProofPass(int attacker, const RuleSet& rules, int plyLimit, uint64_t nodeBudget,
        const std::function<bool()>& shouldStop)
        : attacker_(attacker)
        , rules_(rules)
        , plyLimit_(plyLimit)
        , nodeBudget_(nodeBudget)
        , shouldStop_(shouldStop)
    {
    }

    int Attacker() const { return attacker_; }
    bool AttackerToMove(int s) const { return s == attacker_; }
    const RuleSet& Rules() const { return rules_; }
    int PlyLimit() const { return plyLimit_; }
    uint64_t Nodes() const { return nodes_; }
    bool Stopped() const { return stopped_; }
    bool OutOfNodes() const { return outOfNodes_; }

    // The key of a position in the proof table: with a ply limit, the same position counts as a
    // different one for each number of plies left.
    uint64_t TableKey(uint64_t key, int pliesLeft) const
    {
        if (plyLimit_ == NoPlyLimit)
            return key;
        uint64_t state = uint64_t(pliesLeft);
        return key ^ SplitMix64(state);
    }

    // Counts one more position; false once the budget is spent or the caller said stop.
    bool CountNode();

    // Visits the moves of the side to move, each with the position after it, until the visitor
    // returns true: checks for the attacker, every legal reply for the defender.
    template <typename Visit> void ForEachChild(const SearchBoard& b, int s, Visit&& visit) const
    {
        auto made = [&](const SearchMove& m) { return visit(m, After(b, s, m)); };
        if (AttackerToMove(s))
            AnyLegalCheck(b, s, rules_, made);
        else
            AnyLegalMove(b, s, rules_, made);
    }

private:
    const int attacker_;
    const RuleSet& rules_;
    const int plyLimit_;
    const uint64_t nodeBudget_;
    const std::function<bool()>& shouldStop_;
    uint64_t nodes_ = 0;
    bool stopped_ = false, outOfNodes_ = false;
};

enum class ProofVerdict { Mate, NoMate, Stopped, OutOfNodes };

// Depth-first proof-number search for mate by checks from the root, the attacker to move: the
// attacker's moves are its legal checks, the defender's every legal reply. A mate is a check
// with no legal reply; a position the defender reaches again is not a mate on that path (the
// attacker's checks would go round forever). With the pass's ply limit it proves or disproves a
// mate within that many plies. What it learns stays in the table, where the line is read from.
ProofVerdict ProveMate(const SearchBoard& root, ProofPass& pass, ProofTable& table);
