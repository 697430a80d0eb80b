#include "computer_choice.h"

#include "evaluation.h"
#include "mate_search.h"
#include "root_moves.h"
#include "tree_search.h"

#include "rules/ply_stack.h"
#include "rules/rule_tables.h"

#include <bit>
#include <optional>

namespace {

// The forced-mate pass plays a mate at once, in two or in three.
constexpr int32_t ForcedMateThreshold = 6000;
// Below this the computer resigns; exactly this is still played.
constexpr int32_t ResignThreshold = -5000;
// Scores of candidates that lose to a mate by checks, or win by one after every reply.
constexpr int32_t OpponentMatesInOne = -9000;
constexpr int32_t OpponentMatesInTwo = -8000;
constexpr int32_t EveryReplyLoses = 5000;

constexpr int RandomSpread = 5;
// Below every score a candidate can get.
constexpr int32_t LowestScore = -(1 << 24);
constexpr int32_t TreeDepth = 3;

// The material balance from Sente's point of view, counted from scratch as CountMaterial does.
int32_t MaterialOf(const SearchBoard& b)
{
    int32_t sum = 0;
    for (int t = Pawn; t <= PieceTypeCount; ++t)
        sum += PieceValueTable[t]
            * (std::popcount(b.type[t] & b.side[0]) - std::popcount(b.type[t] & b.side[1]));
    for (int t = Pawn; t <= HandTypeCount; ++t)
        sum += PieceValueTable[t] * (b.hand[0][t] - b.hand[1][t]);
    return sum;
}

// How many pieces of side s reach each square of the set, as its ControlMap counts them.
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

// Scores the candidate that side s has just made into the board, but only as far as it takes to
// tell whether the score beats best: the score if it does, nothing otherwise. Draws from the
// generator exactly when ScoreCandidate does, so the draws stay with their candidates.
std::optional<int32_t> ScoreIfBetter(const SearchBoard& board, int s, int32_t best)
{
    auto better
        = [best](int32_t score) { return score > best ? std::optional(score) : std::nullopt; };
    if (KingAttacked(board, s))
        return better(OwnKingLeftAttacked);
    // A mate in one is also a mate in two, so the deeper test decides whether the scoring stops
    // here; which of the two it is matters only to a best below both.
    if (FindMate(board, -s, 4)) {
        if (best >= OpponentMatesInTwo)
            return std::nullopt;
        return better(FindMate(board, -s, 2) ? OpponentMatesInOne : OpponentMatesInTwo);
    }
    if (EveryReplyMated(board, s))
        return better(EveryReplyLoses);
    // The draw and the control terms do not depend on the search, so they are known first and
    // the search only has to show whether its value falls below what the candidate needs.
    const int32_t known = RandomBelow(RandomSpread) + ControlTerms(board, s);
    const int32_t needed = known - best;
    const int32_t v = SearchValue(board, -s, TreeDepth, -UnboundedValue, needed);
    if (v >= needed)
        return std::nullopt;
    return -v + known;
}

// Makes each root candidate of side s on ply 1 and hands the position to judge.
template <typename Judge> void ForEachCandidate(int s, Judge&& judge)
{
    SearchBoard root = LoadBoard(1, 0);
    ForEachRootMove(root, s, [&](const SearchMove& m) {
        SearchBoard next = root;
        Play(next, s, m);
        next.material = MaterialOf(next);
        judge(m, next);
    });
}

} // namespace

int32_t ScoreCandidate(int p, int s)
{
    SearchBoard board = LoadBoard(p, 0);
    board.material = MaterialOf(board);
    return *ScoreIfBetter(board, s, LowestScore);
}

ComputerDecision ChooseForcedMate(int s)
{
    ComputerDecision best;
    best.score = NoMoveValue;
    ForEachCandidate(s, [&](const SearchMove& m, const SearchBoard& next) {
        const int32_t value = ClassifyMateMove(next, s, best.score);
        if (value > best.score)
            best.move = RulesMove(m, s), best.score = value;
    });
    best.forcedMate = best.score >= ForcedMateThreshold;
    return best;
}

ComputerDecision DecideComputerMove(int s)
{
    const ComputerDecision mate = ChooseForcedMate(s);
    if (mate.forcedMate)
        return mate;
    ComputerDecision best;
    best.score = NoMoveValue;
    ForEachCandidate(s, [&](const SearchMove& m, const SearchBoard& next) {
        if (const std::optional<int32_t> value = ScoreIfBetter(next, s, best.score))
            best.move = RulesMove(m, s), best.score = *value;
    });
    best.resigns = best.score < ResignThreshold;
    return best;
}
