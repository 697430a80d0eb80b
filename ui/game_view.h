#pragma once

#include "rules/moves.h"

#include <string_view>

// The four control labels of the window, numbered as on the form.
enum class GameLabel {
    PlayStop = 1, // Label1
    SentePlayer = 2, // Label2, the bottom side
    GotePlayer = 3, // Label3, the top side
    Level = 4, // Label4
};

// What the game flow needs from the window. The window draws into its picture and opens modal
// message boxes; a test records the calls instead, so the flow runs without a display.
class GameView {
public:
    virtual ~GameView() = default;

    // Redraws the whole picture from the position of ply p, wiping every red frame.
    virtual void DrawPosition(int p) = 0;
    // Frames cell (x, y), a board square or a hand slot, in red.
    virtual void MarkCell(int x, int y) = 0;
    // Shows one line in a modal message box and returns when it is closed.
    virtual void ShowMessage(std::string_view text) = 0;
    virtual void SetCaption(GameLabel label, std::string_view caption) = 0;
    // Asks a yes-or-no question in a modal box; true for yes.
    virtual bool Confirm(std::string_view question) = 0;
    // The window's title, which names the move shown while a record is replayed.
    virtual void SetTitle(std::string_view title) = 0;

    // What a window that reads the game aloud is told besides; a view that does not speak keeps
    // these empty bodies.
    // A move is about to be made on ply 1, which still holds the position before it: a move of
    // the game, or the last move of a record's position about to be shown. previous is the move
    // before it, null at the start.
    virtual void MoveComing(const Move& move, const Move* previous)
    {
        (void)move;
        (void)previous;
    }
    // The game has ended and its record says how; told before the end messages open.
    virtual void GameEnded() { }
    // A record's position, or a position of its best line, is shown.
    virtual void PositionShown() { }
    // A person's move about to be made: a view that takes it for itself, as a move tried in the
    // practice of a mistake, returns true, and the move is neither made nor recorded.
    virtual bool TakeMove(const Move& move)
    {
        (void)move;
        return false;
    }
};
