#include "after_move.h"

#include "game_control.h"
#include "game_state.h"
#include "record_keeping.h"

#include "engine/classic/mate_search.h"
#include "rules/check.h"

std::string_view WinnerMessage(int s) { return s == Sente ? "先手の勝ち" : "後手の勝ち"; }

namespace {

void AnnounceEnd(GameView& view, GameEnd end, int winner)
{
    StopGame(view);
    EndRecord(end, winner);
    view.GameEnded();
    view.ShowMessage("まで");
    view.ShowMessage(WinnerMessage(winner));
}

} // namespace

void AfterMove(GameView& view)
{
    const int s = Game.SideToMove;
    ClearTargets();
    if (IsKingAttacked(1, s))
        AnnounceEnd(view, GameEnd::OwnKingLeftAttacked, -s);
    else if (IsKingAttacked(1, -s) && !FindEscape(1, -s, 1))
        AnnounceEnd(view, GameEnd::Mate, s);
    else
        Game.SideToMove = static_cast<int8_t>(-s);
}
