#pragma once

#include "control_label.h"
#include "game_view.h"
#include "picture_box.h"

#include <QTimer>
#include <QWidget>

#include <functional>

// The game window: the picture of the game, four labels that steer it and the timer that
// gives the computer its turn. The handlers forward to the game flow; the window only draws,
// frames cells, shows captions and opens message boxes.
class TForm1 : public QWidget, public GameView {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // Shows the window centred on its screen.
    void ShowCentred();

    PictureBox* Image1; // the picture of the game
    PictureBox* Image2; // invisible: carries the glyph sheet
    ControlLabel* Label1; // "Play" / "Stop"
    ControlLabel* Label2; // who plays the bottom side
    ControlLabel* Label3; // who plays the top side
    ControlLabel* Label4; // the level
    QTimer* Timer1;

    // Opens one modal message box; a test puts an answering function in its place.
    std::function<void(const QString&)> MessageBox;

    void DrawPosition(int p) override;
    void MarkCell(int x, int y) override;
    void ShowMessage(std::string_view text) override;
    void SetCaption(GameLabel label, std::string_view caption) override;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void FormDblClick();
    void Image1MouseDown(Qt::MouseButton button, int X, int Y);
    void Image1MouseUp(Qt::MouseButton button, int X, int Y);
    void Label1MouseDown();
    void Label2MouseDown();
    void Label3Click();
    void Label4MouseDown();
    void Timer1Timer();

    void OpenMessageBox(const QString& text);
};

extern TForm1* Form1;
