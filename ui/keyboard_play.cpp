#include "keyboard_play.h"

#include "cell_area.h"
#include "cell_pixels.h"
#include "game_state.h"
#include "key_prompts.h"
#include "move_input.h"
#include "record_keeping.h"
#include "typed_move.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

QPoint CellMiddle(QPoint cell)
{
    return QPoint(CellPixelX[cell.x()][cell.y()] + CellSize / 2,
        CellPixelY[cell.x()][cell.y()] + CellSize / 2);
}

// The move field closes with Escape, which a line edit leaves alone.
class MoveLine : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> Escaped;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape && Escaped)
            Escaped();
        else
            QLineEdit::keyPressEvent(event);
    }
};

} // namespace

KeyboardPlay::KeyboardPlay(
    CellArea* board, CellArea* senteHand, CellArea* goteHand, QWidget* window, Handlers handlers)
    : QObject(window)
    , board_(board)
    , do_(std::move(handlers))
{
    auto* field = new MoveLine(window);
    field->setAccessibleName("Move");
    field->Escaped = [this] { CloseField(); };
    field->hide();
    field_ = field;
    connect(field_, &QLineEdit::returnPressed, this, &KeyboardPlay::PlayTyped);
    for (CellArea* area : { board, senteHand, goteHand }) {
        connect(area, &CellArea::Activated, this, &KeyboardPlay::ActivateCell);
        connect(area, &CellArea::Escaped, this, &KeyboardPlay::Escape);
    }
    connect(board, &CellArea::Typed, this, &KeyboardPlay::Typed);
    // A cursor moved away from the question drops it.
    connect(board, &CellArea::CursorMoved, this, [this] { promotionAt_ = {}; });
}

void KeyboardPlay::ActivateCell(QPoint cell)
{
    promotionAt_ = {};
    const std::string why = WhyCellDoesNothing(cell.x(), cell.y());
    if (!why.empty()) {
        do_.say(why);
        return;
    }
    if (cell.y() > BoardSize) {
        Press(cell, Qt::LeftButton);
        do_.say(PickedText(cell.x(), cell.y()));
        return;
    }
    switch (TargetMap[1][cell.x()][cell.y()]) {
    case TargetPromoteOptional:
        promotionAt_ = cell;
        do_.say(PromotionQuestion);
        return;
    case TargetMove:
    case TargetPromoteForced:
        Press(cell, Qt::LeftButton);
        Release(cell);
        return;
    default:
        // An own piece: picked on the release, as by the mouse.
        Press(cell, Qt::LeftButton);
        Release(cell);
        do_.say(PickedText(cell.x(), cell.y()));
    }
}

void KeyboardPlay::AnswerPromotion(bool promote)
{
    const QPoint at = std::exchange(promotionAt_, {});
    // The right button promotes where promoting is the player's choice, the left declines.
    Press(at, promote ? Qt::RightButton : Qt::LeftButton);
    Release(at);
}

void KeyboardPlay::Escape()
{
    // A promotion question goes with the pick it was asked for.
    promotionAt_ = {};
    if (PickInForce()) {
        do_.cancelPick();
        do_.say(PickCancelled);
    }
}

void KeyboardPlay::Typed(const QString& text)
{
    if (!promotionAt_.isNull() && (text == "y" || text == "Y" || text == "n" || text == "N")) {
        AnswerPromotion(text.compare("y", Qt::CaseInsensitive) == 0);
        return;
    }
    OpenField(text);
}

void KeyboardPlay::OpenField(const QString& text)
{
    promotionAt_ = {};
    // Over the board, across the picture, in the window's own font.
    const QRect picture = board_->parentWidget()->geometry();
    field_->setGeometry(picture.left(), picture.center().y() - picture.height() / 8,
        picture.width(), picture.height() / 4);
    field_->setText(text);
    field_->show();
    field_->raise();
    field_->setFocus(Qt::OtherFocusReason);
}

void KeyboardPlay::CloseField()
{
    field_->hide();
    field_->clear();
    board_->setFocus(Qt::OtherFocusReason);
}

void KeyboardPlay::PlayTyped()
{
    const std::string text = field_->text().toStdString();
    if (const std::string why = WhyNoInput(); !why.empty()) {
        do_.say(why);
        return;
    }
    const Move* last = LastMove();
    const TypedMoveResult read = ReadTypedMove(text, Game.SideToMove, *Game.Rules,
        last ? std::optional(std::pair<int, int>(last->toX, last->toY)) : std::nullopt);
    if (!read.move) {
        do_.say(read.reason);
        field_->selectAll();
        return;
    }
    CloseField();
    board_->SetCursor(QPoint(read.move->toX, read.move->toY));
    Play(*read.move);
}

void KeyboardPlay::Play(const Move& move)
{
    const QPoint from(move.fromX, move.fromY), to(move.toX, move.toY);
    Press(from, Qt::LeftButton);
    if (from.y() <= BoardSize)
        Release(from);
    Press(to, move.promote ? Qt::RightButton : Qt::LeftButton);
    Release(to);
}

void KeyboardPlay::Press(QPoint cell, Qt::MouseButton button)
{
    const QPoint at = CellMiddle(cell);
    do_.press(button, at.x(), at.y());
}

void KeyboardPlay::Release(QPoint cell)
{
    const QPoint at = CellMiddle(cell);
    do_.release(Qt::LeftButton, at.x(), at.y());
}
