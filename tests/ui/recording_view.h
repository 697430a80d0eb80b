#pragma once

#include "ui/cell_pixels.h"
#include "ui/game_control.h"
#include "ui/game_state.h"
#include "ui/game_view.h"
#include "ui/move_input.h"

#include "rules/sfen.h"
#include "rules/usi_move.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// A GameView that writes down what the game flow asks of the window, one line per call:
// "draw 1", "mark 3 4", "message まで", "caption 1 Stop", "confirm <question>", "title <text>".
// Message boxes return at once, after running onMessage, which stands for whatever the event
// loop does while a box is open; a question is answered with answer.
class RecordingView : public GameView {
public:
    std::vector<std::string> calls;
    std::string captions[5] = { "", "Play", "You", "Com", "Lv1" };
    std::string title = "Velmora";
    std::function<void()> onMessage;
    bool answer = true;

    void DrawPosition(int p) override { calls.push_back("draw " + std::to_string(p)); }
    void MarkCell(int x, int y) override
    {
        calls.push_back("mark " + std::to_string(x) + " " + std::to_string(y));
    }
    void ShowMessage(std::string_view text) override
    {
        calls.push_back("message " + std::string(text));
        if (onMessage)
            onMessage();
    }
    void SetCaption(GameLabel label, std::string_view caption) override
    {
        captions[static_cast<int>(label)] = caption;
        calls.push_back(
            "caption " + std::to_string(static_cast<int>(label)) + " " + std::string(caption));
    }

    bool Confirm(std::string_view question) override
    {
        calls.push_back("confirm " + std::string(question));
        return answer;
    }
    void SetTitle(std::string_view text) override
    {
        title = text;
        calls.push_back("title " + std::string(text));
    }

    std::vector<std::string> Messages() const
    {
        std::vector<std::string> messages;
        for (const std::string& call : calls)
            if (call.starts_with("message "))
                messages.push_back(call.substr(8));
        return messages;
    }
};

// Starts the game flow of a new window, then a running game from a position, with the computer on
// the sides given; the calls of the set-up are forgotten.
inline void StartGameAt(
    RecordingView& view, const std::string& sfen, bool computerSente, bool computerGote)
{
    Game = GameState {};
    StartUp(view);
    SfenHeader header;
    std::string error;
    ASSERT_TRUE(ReadSfen(sfen, header, error)) << sfen << ": " << error;
    Game.SideToMove = static_cast<int8_t>(header.side);
    Game.ComputerPlays[SideIndex(Sente)] = computerSente;
    Game.ComputerPlays[SideIndex(Gote)] = computerGote;
    Game.GameRunning = true;
    view.captions[1] = "Stop";
    view.calls.clear();
}

// Ply 1 with the side to move of the game.
inline std::string Ply1Sfen() { return WriteSfen(1, SfenHeader { Game.SideToMove, 1 }); }

// The middle of cell (x, y) in picture pixels.
inline int CellMiddleX(int x, int y) { return CellPixelX[x][y] + CellSize / 2; }
inline int CellMiddleY(int x, int y) { return CellPixelY[x][y] + CellSize / 2; }

inline void ClickCell(GameView& view, int x, int y, MouseButton button = MouseButton::Left)
{
    PressOnPicture(view, CellMiddleX(x, y), CellMiddleY(x, y), button);
    ReleaseOnPicture(view, CellMiddleX(x, y), CellMiddleY(x, y));
}

// Plays a USI move as a person does: a drop by pressing the hand slot, a board move by
// clicking the piece; then a click on the destination, with the right button to promote.
inline void PlayByMouse(GameView& view, const std::string& usi)
{
    std::string error;
    const auto move = ReadUsiMove(usi, Game.SideToMove, error);
    ASSERT_TRUE(move) << usi << ": " << error;
    ClickCell(view, move->fromX, move->fromY);
    ClickCell(view, move->toX, move->toY, move->promote ? MouseButton::Right : MouseButton::Left);
}
