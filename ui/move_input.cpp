#include "move_input.h"

#include "after_move.h"
#include "cell_pixels.h"
#include "game_control.h"
#include "game_state.h"
#include "record_keeping.h"

#include "rules/pawn_drop_mate.h"
#include "rules/targets.h"

namespace {

bool PersonToMove() { return Game.GameRunning && !Game.ComputerToMove(); }

// Standard minishogi forbids a pawn drop that gives mate, so such a square is no destination.
void RemovePawnDropMates(int x, int y)
{
    if (Game.Rules->pawnDropMateLegal || y <= BoardSize || x != Pawn)
        return;
    for (int tx = 1; tx <= BoardSize; ++tx)
        for (int ty = 1; ty <= BoardSize; ++ty)
            if (TargetMap[1][tx][ty] == TargetMove
                && IsPawnDropMate(
                    1, Game.SideToMove, Move { int8_t(x), int8_t(y), int8_t(tx), int8_t(ty), 0 }))
                TargetMap[1][tx][ty] = TargetNone;
}

void Pick(GameView& view, int x, int y)
{
    GenerateTargets(1, x, y);
    RemovePawnDropMates(x, y);
    Game.SelectedCell = { static_cast<int8_t>(x), static_cast<int8_t>(y) };
    view.DrawPosition(1);
    view.MarkCell(x, y);
}

void MoveTo(GameView& view, int x, int y, bool promote)
{
    const Move move { Game.SelectedCell.x, Game.SelectedCell.y, static_cast<int8_t>(x),
        static_cast<int8_t>(y), static_cast<int8_t>(promote) };
    // The release of this press must not pick: by then the computer may have answered, and a
    // pick would wipe the frames of its reply.
    Game.PressArmed = false;
    if (view.TakeMove(move))
        return;
    view.MoveComing(move, LastMove());
    MakeRecordedMove(move);
    view.DrawPosition(1);
    AfterMove(view);
}

} // namespace

bool HitCell(int px, int py, int lastRow, int& x, int& y)
{
    for (x = 1; x <= BoardSize; ++x)
        for (y = 1; y <= lastRow; ++y) {
            const int left = CellPixelX[x][y], top = CellPixelY[x][y];
            if (left < px && px < left + CellSize && top < py && py < top + CellSize)
                return true;
        }
    return false;
}

void PressOnPicture(GameView& view, int px, int py, MouseButton button)
{
    if (!PersonToMove())
        return;
    Game.PressArmed = true;
    int x, y;
    if (!HitCell(px, py, GridRows, x, y))
        return;
    if (y > BoardSize) {
        if (y == HandRow(Game.SideToMove) && Position[1][x][y] > 0)
            Pick(view, x, y);
        return;
    }
    switch (TargetMap[1][x][y]) {
    case TargetPromoteForced:
        MoveTo(view, x, y, true);
        break;
    case TargetPromoteOptional:
        MoveTo(view, x, y, button != MouseButton::Left);
        break;
    case TargetMove:
        MoveTo(view, x, y, false);
        break;
    default:
        break; // not a destination: a board piece is picked on the release
    }
}

bool PickInForce()
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (TargetMap[1][x][y] != TargetNone)
                return true;
    return false;
}

void CancelPick(GameView& view)
{
    if (!PersonToMove() || !PickInForce())
        return;
    ClearTargets();
    view.DrawPosition(1);
}

void ReleaseOnPicture(GameView& view, int px, int py)
{
    if (!PersonToMove() || !Game.PressArmed)
        return;
    int x, y;
    if (!HitCell(px, py, BoardSize, x, y))
        return;
    if (Position[1][x][y] * Game.SideToMove > 0)
        Pick(view, x, y);
    Game.PressArmed = false;
}
