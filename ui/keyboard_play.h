#pragma once

#include "rules/moves.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <string_view>

class CellArea;
class QLineEdit;
class QWidget;

// Playing by keys: Space or Enter on the board's cursor or in a hand, Y or N when a promotion is
// the player's choice, Escape, and moves typed into a field that opens on the board. Every pick
// and move goes through the window's own mouse handlers, as a press and release on the cell's
// middle, so the rules, the frames and the referee are those of the mouse.
class KeyboardPlay : public QObject {
    Q_OBJECT

public:
    // What the window does for it: its handlers of a press and a release on the picture, in
    // picture pixels; the game's cancel of a pick; and speech.
    struct Handlers {
        std::function<void(Qt::MouseButton, int, int)> press, release;
        std::function<void()> cancelPick;
        std::function<void(std::string_view)> say;
    };

    KeyboardPlay(CellArea* board, CellArea* senteHand, CellArea* goteHand, QWidget* window,
        Handlers handlers);

    // The field a move is typed into; hidden while closed.
    QLineEdit* MoveField() const { return field_; }

private:
    void ActivateCell(QPoint cell);
    void Escape();
    void Typed(const QString& text);
    void AnswerPromotion(bool promote);
    void OpenField(const QString& text);
    void CloseField();
    void PlayTyped();
    void Play(const Move& move);
    void Press(QPoint cell, Qt::MouseButton button);
    void Release(QPoint cell);

    CellArea* board_;
    Handlers do_;
    QLineEdit* field_;
    QPoint promotionAt_; // the destination whose promotion is asked; (0, 0) when none is
};
