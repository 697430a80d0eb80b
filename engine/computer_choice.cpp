#include "computer_choice.h"

#include "evaluation.h"
#include "mate_search.h"
#include "root_candidates.h"
#include "tree_search.h"

#include "rules/check.h"

#include <cstdlib>
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

// Board-control terms of a candidate's position, seen from the mover s.
int32_t ControlTerms(int p, int s)
{
    const int kx = KingX[p][-s + 1], ky = KingY[p][-s + 1];
    int32_t score = 0;
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            const int own = ControlMap[p][s + 1][x][y], enemy = ControlMap[p][-s + 1][x][y];
            if (x == kx && y == ky) {
                score += (own > 0 ? 2 : 0) + (own > enemy ? 5 : 0); // pressure on the king itself
            } else if (std::abs(x - kx) <= 1 && std::abs(y - ky) <= 1) {
                score += (own > 0 ? 1 : 0) + (own > enemy ? 2 : 0); // on the squares around it
            }
            if (Position[p][x][y] * s > 0 && own > 0)
                score += 2; // a defended piece
            if (own > 0)
                score += 1; // reach
        }
    if (KingY[p][s + 1] == (s == Sente ? BoardSize : 1))
        score += 10; // the king still at home
    return score;
}

// Scores the candidate that side s has just made into ply p, but only as far as it takes to tell
// whether the score beats best: the score if it does, nothing otherwise. Draws from the generator
// exactly when ScoreCandidate does, so the draws stay with their candidates.
std::optional<int32_t> ScoreIfBetter(int p, int s, int32_t best)
{
    auto better
        = [best](int32_t score) { return score > best ? std::optional(score) : std::nullopt; };
    const SearchBoard board = LoadBoard(p, CountMaterial(p, Sente));
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
    const int32_t draw = RandomBelow(RandomSpread);
    BuildControlMap(p);
    const int32_t known = draw + ControlTerms(p, s);
    const int32_t needed = known - best;
    const int32_t v = SearchValue(board, -s, TreeDepth, -UnboundedValue, needed);
    if (v >= needed)
        return std::nullopt;
    return -v + known;
}

} // namespace

int32_t ScoreCandidate(int p, int s) { return *ScoreIfBetter(p, s, LowestScore); }

ComputerDecision ChooseForcedMate(int s)
{
    ComputerDecision best;
    best.score = NoMoveValue;
    ForEachRootCandidate(s, [&](const Move& m) {
        const int32_t value = ClassifyMateMove(LoadBoard(2, 0), s, best.score);
        if (value > best.score)
            best.move = m, best.score = value;
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
    ForEachRootCandidate(s, [&](const Move& m) {
        if (const std::optional<int32_t> value = ScoreIfBetter(2, s, best.score))
            best.move = m, best.score = *value;
    });
    best.resigns = best.score < ResignThreshold;
    return best;
}
