#include "key_prompts.h"

#include "game_state.h"
#include "spoken_text.h"

#include "rules/moves.h"
#include "rules/usi_move.h"

namespace {

bool AnyDestination()
{
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y)
            if (TargetMap[1][x][y] > TargetNone)
                return true;
    return false;
}

} // namespace

std::string WhyNoInput()
{
    if (!Game.GameRunning)
        return "No game is running; press Play";
    if (Game.ComputerToMove())
        return "The computer is to move";
    return "";
}

std::string WhyCellDoesNothing(int x, int y)
{
    if (std::string why = WhyNoInput(); !why.empty())
        return why;
    if (y > BoardSize)
        return y == HandRow(Game.SideToMove) ? "" : "Not your hand";
    if (TargetMap[1][x][y] > TargetNone || Position[1][x][y] * Game.SideToMove > 0)
        return "";
    if (AnyDestination())
        return "The picked piece cannot go to " + SquareName(x, y);
    return "No piece of yours on " + SquareName(x, y);
}

std::string PickedText(int x, int y)
{
    if (y > BoardSize)
        return "Picked " + PieceLocations(1, Game.SideToMove, x);
    return "Picked " + SquareDescription(1, x, y);
}

std::string TakenBackText(std::string_view lastMove)
{
    return "Taken back; the last move: " + std::string(lastMove);
}

std::string ShownText(std::string_view title, std::string_view move, bool opened)
{
    // The window's name is no news; what follows it is.
    constexpr std::string_view WindowName = "Velmora - ";
    if (title.starts_with(WindowName))
        title.remove_prefix(WindowName.size());
    std::string text = opened ? "Record opened, " + std::string(title) : std::string(title);
    if (!move.empty())
        text += ": " + std::string(move);
    return text;
}
