#include "take_back.h"

#include "game_control.h"
#include "game_state.h"
#include "record_keeping.h"

#include "rules/sfen.h"

#include <cassert>
#include <string>

int MovesToTakeBack()
{
    if (!Game.GameRunning || Game.ComputerToMove() || Game.ComputerBusy)
        return 0;
    const bool againstComputer
        = Game.ComputerPlays[SideIndex(Sente)] || Game.ComputerPlays[SideIndex(Gote)];
    const int undone = againstComputer ? 2 : 1;
    return static_cast<int>(Record.moves.size()) >= undone ? undone : 0;
}

bool TakeBack(GameView& view)
{
    const int undone = MovesToTakeBack();
    if (undone == 0)
        return false;
    DropLastMoves(undone);
    SfenHeader header;
    std::string error;
    // Play reached this position, so it always reads; reading also restores the king squares and
    // the checker flags.
    [[maybe_unused]] const bool read = ReadSfen(Record.CurrentSfen(), header, error);
    assert(read);
    Game.SideToMove = static_cast<int8_t>(header.side);
    Game.PressArmed = false;
    ClearTargets();
    view.DrawPosition(1);
    return true;
}
