#include "game_play.h"

#include "rules/pieces.h"

#include <algorithm>

namespace {

using std::chrono::milliseconds;

// How long the engine may think on this move before the margin.
milliseconds Allowed(const GameTime& time, int side, const GameClocks& clocks)
{
    switch (time.side[side].mode) {
    case TimeMode::MoveTime:
    case TimeMode::Byoyomi:
        return time.side[side].move;
    case TimeMode::Clock:
        return clocks.left[side];
    case TimeMode::Nodes:
        break;
    }
    return time.patience;
}

const char* ResultFor(int side, int winner)
{
    return winner == 0 ? "draw" : winner == side ? "win" : "lose";
}

} // namespace

PlayedGame PlayGame(UsiEngine& sente, UsiEngine& gote, const std::string& start,
    const RefereeRules& rules, const GameTime& time)
{
    PlayedGame game;
    Referee referee(rules, start);
    GameClocks clocks;
    for (int side = 0; side < 2; ++side) {
        clocks.left[side] = time.side[side].base;
        clocks.increment[side] = time.side[side].increment;
    }
    sente.NewGame();
    gote.NewGame();
    while (!referee.Over()) {
        const int side = referee.SideToMove() == Sente ? 0 : 1;
        UsiEngine& engine = side == 0 ? sente : gote;
        const milliseconds allowed = Allowed(time, side, clocks);
        const UsiEngine::Answer answer = engine.Think(referee.Record().UsiPosition(),
            GoLine(time.side[side], clocks, engine.SwapsClocks()), allowed + time.margin);
        if (answer.reply == UsiEngine::Reply::Move)
            game.thinking[side].Add(answer.used);
        const milliseconds used = std::chrono::duration_cast<milliseconds>(answer.used);
        if (answer.reply == UsiEngine::Reply::Disconnected) {
            referee.Forfeit(GameEnd::Stopped, "disconnect");
        } else if (answer.reply == UsiEngine::Reply::Timeout) {
            const auto waited = std::to_string((allowed + time.margin).count());
            referee.Forfeit(GameEnd::TimeForfeit, "time forfeit (no move in " + waited + " ms)");
        } else if (answer.used > allowed + time.margin) {
            const auto shown = std::to_string(used.count());
            referee.Forfeit(GameEnd::TimeForfeit, "time forfeit (a move in " + shown + " ms)");
        } else if (answer.move == "resign") {
            referee.Forfeit(GameEnd::Resignation, "resignation");
        } else {
            // A move inside the margin empties the clock; the overrun is not carried as a debt.
            if (time.side[side].mode == TimeMode::Clock)
                clocks.left[side]
                    = std::max(clocks.left[side] - used, milliseconds(0)) + clocks.increment[side];
            referee.Play(answer.move);
        }
    }
    const int winner = referee.Record().winner;
    sente.Finish(ResultFor(Sente, winner));
    gote.Finish(ResultFor(Gote, winner));
    game.reason = referee.Reason();
    game.record = referee.Record();
    return game;
}
