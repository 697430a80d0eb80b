#include "game_play.h"

#include "rules/pieces.h"

#include <algorithm>

namespace {

using std::chrono::milliseconds;

// What the engine to move is told about the clocks, both sides' in USI's order unless the
// engine reads them the other way round.
std::string GoCommand(const TimeControl& time, const milliseconds clock[2], bool swapClocks)
{
    if (time.nodes > 0)
        return "go nodes " + std::to_string(time.nodes);
    if (time.perMove)
        return "go btime 0 wtime 0 byoyomi " + std::to_string(time.move.count());
    const auto shown
        = [](milliseconds left) { return std::to_string(std::max<long long>(left.count(), 0)); };
    const std::string inc = std::to_string(time.increment.count());
    const milliseconds sente = clock[swapClocks ? 1 : 0], gote = clock[swapClocks ? 0 : 1];
    return "go btime " + shown(sente) + " wtime " + shown(gote) + " binc " + inc + " winc " + inc;
}

const char* ResultFor(int side, int winner)
{
    return winner == 0 ? "draw" : winner == side ? "win" : "lose";
}

} // namespace

GameRecord PlayGame(UsiEngine& sente, UsiEngine& gote, const std::string& start,
    const RefereeRules& rules, const TimeControl& time, std::string& reason)
{
    Referee referee(rules, start);
    milliseconds clock[2] = { time.base, time.base }; // Sente's, Gote's
    sente.NewGame();
    gote.NewGame();
    while (!referee.Over()) {
        const int side = referee.SideToMove();
        UsiEngine& engine = side == Sente ? sente : gote;
        milliseconds& left = clock[side == Sente ? 0 : 1];
        const milliseconds allowed = time.nodes > 0 ? time.patience
            : time.perMove                          ? time.move
                                                    : left;
        const UsiEngine::Answer answer = engine.Think(referee.Record().UsiPosition(),
            GoCommand(time, clock, engine.SwapsClocks()), allowed + time.margin);
        if (answer.reply == UsiEngine::Reply::Disconnected) {
            referee.Forfeit(GameEnd::Stopped, "disconnect");
        } else if (answer.reply == UsiEngine::Reply::Timeout) {
            const auto waited = std::to_string((allowed + time.margin).count());
            referee.Forfeit(GameEnd::TimeForfeit, "time forfeit (no move in " + waited + " ms)");
        } else if (answer.used > allowed + time.margin) {
            const auto used = std::to_string(answer.used.count());
            referee.Forfeit(GameEnd::TimeForfeit, "time forfeit (a move in " + used + " ms)");
        } else if (answer.move == "resign") {
            referee.Forfeit(GameEnd::Resignation, "resignation");
        } else {
            // A move inside the margin empties the clock; the overrun is not carried as a debt.
            if (!time.perMove && time.nodes == 0)
                left = std::max(left - answer.used, milliseconds(0)) + time.increment;
            referee.Play(answer.move);
        }
    }
    const int winner = referee.Record().winner;
    sente.Finish(ResultFor(Sente, winner));
    gote.Finish(ResultFor(Gote, winner));
    reason = referee.Reason();
    return referee.Record();
}
