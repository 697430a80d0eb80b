#include "computer_turn.h"

#include "after_move.h"
#include "game_control.h"
#include "game_state.h"
#include "record_keeping.h"

#include "engine/classic/computer_choice.h"

namespace {

void PlayChosenMove(GameView& view, const Move& move)
{
    view.MoveComing(move, LastMove());
    MakeRecordedMove(move);
    view.DrawPosition(1);
    view.MarkCell(move.fromX, move.fromY);
    view.MarkCell(move.toX, move.toY);
    AfterMove(view);
}

void Resign(GameView& view, int s)
{
    StopGame(view);
    EndRecord(GameEnd::Resignation, -s);
    view.GameEnded();
    // Only a person who has beaten the computer from the largest handicap gets the compliment.
    if (Game.Level == 3 && !Game.ComputerPlays[SideIndex(Sente)])
        view.ShowMessage("いやお強い！");
    view.ShowMessage("まいりました");
    view.ShowMessage(WinnerMessage(-s));
}

} // namespace

void TimerTick(GameView& view)
{
    if (!Game.GameRunning || !Game.ComputerToMove() || Game.ComputerBusy)
        return;
    Game.ComputerBusy = true;
    ComputerTurn(view);
    Game.ComputerBusy = false;
}

void ComputerTurn(GameView& view)
{
    PlayDecision(view, DecideComputerMove(PositionOfPly(1, Game.SideToMove, *Game.Rules)));
}

void PlayDecision(GameView& view, const ComputerDecision& decision)
{
    if (decision.resigns)
        Resign(view, Game.SideToMove);
    else
        PlayChosenMove(view, decision.move);
}
