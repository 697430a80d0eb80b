#include "strong_thinker.h"

#include "engine/board/game_position.h"
#include "engine/board/rules_move.h"
#include "engine/strong/search.h"

namespace {

// The strong computer plays on in every position it cannot prove lost: only a mate it cannot
// escape, or no legal move at all, makes it resign.
ComputerDecision DecisionOf(const SearchResult& result, int s)
{
    ComputerDecision decision;
    decision.score = result.score;
    decision.resigns = !result.hasMove || result.score <= -MateInMaxPly;
    if (!decision.resigns)
        decision.move = RulesMove(result.best, s);
    return decision;
}

} // namespace

void StrongThinker::Start(int s, const RuleSet& rules, int64_t milliseconds, int skill)
{
    const GamePosition position = PositionOfPly(1, s, rules);
    search_.Start([this, position, s, milliseconds, skill](StrongEngine& engine) {
        SearchLimits limits;
        limits.timed = true;
        limits.time = TimeBudget { milliseconds, milliseconds, milliseconds };
        SearchSettings settings;
        settings.skill = skill;
        const SearchResult result
            = engine.Search(position, {}, limits, settings, search_.StoppableCallbacks(engine));
        decision_ = DecisionOf(result, s);
    });
}

std::optional<ComputerDecision> StrongThinker::TakeDecision()
{
    if (!search_.Finished())
        return std::nullopt;
    search_.Wait();
    return decision_;
}

void StrongThinker::Stop() { search_.Stop(); }
