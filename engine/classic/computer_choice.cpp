#include "computer_choice.h"

#include "mate_search.h"
#include "material.h"
#include "random_below.h"
#include "root_moves.h"
#include "tree_search.h"

#include "engine/board/legal_moves.h"
#include "engine/board/rules_move.h"

#include <algorithm>
#include <bit>
#include <span>

namespace {

// How many board pieces of side s reach each square of the set.
void CountControl(const SearchBoard& b, int s, Bitboard squares, int (&count)[SquareCount])
{
    const Bitboard occupied = Occupied(b);
    for (Bitboard pieces = b.side[SideIndex(s)]; pieces != 0;) {
        const int from = PopLowest(pieces);
        for (Bitboard reached = PieceAttacks(b.code[from], from, occupied) & squares; reached != 0;)
            ++count[PopLowest(reached)];
    }
}

// Board-control terms of a candidate's position, seen from the mover s.
int32_t ControlTerms(const SearchBoard& b, int s)
{
    const int k = b.king[SideIndex(-s)];
    const Bitboard zone = Attacks.near[k];
    int own[SquareCount] = {}, enemy[SquareCount] = {};
    CountControl(b, s, zone, own);
    CountControl(b, -s, zone, enemy);
    int32_t score = 0;
    for (Bitboard squares = zone; squares != 0;) {
        const int square = PopLowest(squares);
        if (square == k)
            score += (own[k] > 0 ? 2 : 0) + (own[k] > enemy[k] ? 5 : 0); // pressure on the king
        else
            score += (own[square] > 0 ? 1 : 0) + (own[square] > enemy[square] ? 2 : 0); // around it
    }
    const Bitboard reach = Reach(b, s, Occupied(b));
    score += 2 * std::popcount(reach & b.side[SideIndex(s)]); // defended pieces
    score += std::popcount(reach); // reach
    if (YOf(b.king[SideIndex(s)]) == (s == Sente ? BoardSize : 1))
        score += 10; // the king still at home
    return score;
}

// What the scoring says about a candidate before its tree search.
struct Prelude {
    enum Kind {
        Fixed, // the score is settled: own king left attacked, or a mate by checks either way
        Searched, // the score is value minus the tree search's value
    } kind;
    int32_t value;
};

// The fixed scores of ScoreCandidate, tried in its order: the own king left attacked, a mate in
// one or in two for the opponent, every reply mated. A candidate that gets past them draws from
// the generator and gets its control terms, as ScoreCandidate does before its search.
Prelude ScoreBeforeSearch(const SearchBoard& board, int s)
{
    if (KingAttacked(board, s))
        return { Prelude::Fixed, OwnKingLeftAttacked };
    if (FindMate(board, -s, 2))
        return { Prelude::Fixed, OpponentMatesInOne };
    if (FindMate(board, -s, 4))
        return { Prelude::Fixed, OpponentMatesInTwo };
    if (EveryReplyMated(board, s))
        return { Prelude::Fixed, EveryReplyLoses };
    return { Prelude::Searched, RandomBelow(RandomSpread) + ControlTerms(board, s) };
}

// The candidates of ForEachRootMove, less the pawn drops that mate where the rules forbid them.
template <typename Visit>
void ForEachCandidate(const SearchBoard& root, int s, const RuleSet& rules, Visit&& visit)
{
    ForEachRootMove(root, s, [&](const SearchMove& m) {
        if (rules.pawnDropMateLegal || m.dropType != Pawn || !IsPawnDropMate(root, s, m.to))
            visit(m);
    });
}

// The best candidate so far. The plain walk keeps the first of equal scores, so a candidate
// replaces the leader with a greater score, or with an equal one from earlier in the walk; the
// result then does not depend on the order in which candidates are offered.
struct Leader {
    int32_t score = NoMoveValue;
    int index = -1; // below every candidate, so the starting score is only beaten, never tied

    bool BeatenBy(int i, int32_t candidate) const
    {
        return candidate > score || (candidate == score && i < index);
    }
    // The least tree-search value that keeps candidate i, with known draw and control terms,
    // from beating the leader.
    int32_t SearchValueToHold(int i, int32_t known) const
    {
        return known - score + (i < index ? 1 : 0);
    }
};

// Far more than any position has: with every piece on its side, a side has at most 11 board
// pieces to move and five kinds to drop.
constexpr int MaxCandidates = 512;

struct Candidate {
    SearchMove move;
    Prelude prelude;
};

// Takes every candidate in the walk's order through the steps that draw from the generator, so
// the draws come out as the plain walk makes them. Returns how many there are.
int GatherCandidates(
    const SearchBoard& root, int s, const RuleSet& rules, Candidate (&candidates)[MaxCandidates])
{
    int count = 0;
    ForEachCandidate(root, s, rules, [&](const SearchMove& m) {
        candidates[count++] = { m, ScoreBeforeSearch(After(root, s, m), s) };
    });
    return count;
}

// The best candidate: the settled scores first, then the searches, most promising first, so that
// the leader is strong early and each later search only has to show that its candidate stays
// behind.
Leader SearchForLeader(const SearchBoard& root, int s, const Candidate* candidates, int count)
{
    Leader leader;
    int order[MaxCandidates];
    int searched = 0;
    for (int i = 0; i < count; ++i) {
        const Prelude& prelude = candidates[i].prelude;
        if (prelude.kind == Prelude::Fixed && leader.BeatenBy(i, prelude.value))
            leader = { prelude.value, i };
        if (prelude.kind == Prelude::Searched)
            order[searched++] = i;
    }
    std::stable_sort(order, order + searched,
        [&](int a, int b) { return candidates[a].prelude.value > candidates[b].prelude.value; });
    for (const int i : std::span(order, searched)) {
        const int32_t known = candidates[i].prelude.value;
        const int32_t hold = leader.SearchValueToHold(i, known);
        const SearchBoard board = After(root, s, candidates[i].move);
        const int32_t v = SearchValue(board, -s, TreeDepth, -UnboundedValue, hold);
        if (v < hold)
            leader = { known - v, i };
    }
    return leader;
}

// The position's board with the material the classic computer's tree search carries forward.
SearchBoard ClassicRoot(const GamePosition& position)
{
    SearchBoard root = position.board;
    root.material = CountMaterial(root, Sente);
    return root;
}

} // namespace

int32_t ScoreCandidate(const SearchBoard& board, int s)
{
    const Prelude prelude = ScoreBeforeSearch(board, s);
    if (prelude.kind == Prelude::Fixed)
        return prelude.value;
    return prelude.value - SearchValue(board, -s, TreeDepth, -UnboundedValue, UnboundedValue);
}

ComputerDecision ChooseForcedMate(const GamePosition& position)
{
    const int s = position.side;
    const RuleSet& rules = *position.rules;
    ComputerDecision best;
    best.score = NoMoveValue;
    const SearchBoard root = ClassicRoot(position);
    const int enemyKing = root.king[SideIndex(-s)];
    const bool enemyChecked = KingAttacked(root, -s);
    ForEachCandidate(root, s, rules, [&](const SearchMove& m) {
        // After a mate at once every classification is 0. A candidate that gives no check is
        // classed 0, or -11000 if it leaves its own king attacked: neither beats a best of 0.
        if (best.score == MateAtOnce)
            return;
        if (best.score >= 0 && !enemyChecked && !GivesCheck(root, s, m, enemyKing))
            return;
        const int32_t value = ClassifyMateMove(After(root, s, m), s, best.score);
        if (value > best.score)
            best.move = RulesMove(m, s), best.score = value;
    });
    best.forcedMate = best.score >= ForcedMateThreshold;
    return best;
}

ComputerDecision DecideComputerMove(const GamePosition& position)
{
    const ComputerDecision mate = ChooseForcedMate(position);
    if (mate.forcedMate)
        return mate;
    const int s = position.side;
    const SearchBoard root = ClassicRoot(position);
    Candidate candidates[MaxCandidates];
    const int count = GatherCandidates(root, s, *position.rules, candidates);
    const Leader leader = SearchForLeader(root, s, candidates, count);
    ComputerDecision best;
    best.score = leader.score;
    if (leader.index >= 0)
        best.move = RulesMove(candidates[leader.index].move, s);
    best.resigns = best.score < ResignThreshold;
    return best;
}
