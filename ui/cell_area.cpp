#include "cell_area.h"

#include "board_picture.h"
#include "cell_pixels.h"

#include "rules/ply_stack.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

constexpr QColor CursorColour(0, 0, 255);

bool Held(int side, int type) { return Position[1][type][HandRow(side)] > 0; }

} // namespace

CellArea::CellArea(int side, QWidget* picture)
    : QWidget(picture)
    , side_(side)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
    // A move in Japanese is typed through an input method; what it commits opens the Move field.
    setAttribute(Qt::WA_InputMethodEnabled, IsBoard());
}

std::vector<QPoint> CellArea::Cells() const
{
    std::vector<QPoint> cells;
    if (IsBoard()) {
        for (int y = 1; y <= BoardSize; ++y)
            for (int x = 1; x <= BoardSize; ++x)
                cells.emplace_back(x, y);
        return cells;
    }
    for (const int type : HandOrder)
        if (Held(side_, type))
            cells.emplace_back(type, HandRow(side_));
    return cells;
}

QPoint CellArea::Cursor() const
{
    if (IsBoard())
        return boardCursor_;
    return handCursor_ ? QPoint(handCursor_, HandRow(side_)) : QPoint();
}

int CellArea::CursorIndex() const
{
    const std::vector<QPoint> cells = Cells();
    const auto at = std::find(cells.begin(), cells.end(), Cursor());
    return at == cells.end() ? -1 : int(at - cells.begin());
}

void CellArea::SetCursor(QPoint cell)
{
    if (IsBoard())
        boardCursor_ = cell;
    else
        handCursor_ = cell.x();
    update();
    TellCursorMoved();
}

QRect CellArea::CellRect(QPoint cell) const
{
    const double scale = double(width()) / PictureWidth;
    const QPointF corner(CellPixelX[cell.x()][cell.y()], CellPixelY[cell.x()][cell.y()]);
    return QRectF(corner * scale, QSizeF(CellSize, CellSize) * scale).toRect();
}

void CellArea::PositionChanged()
{
    if (!IsBoard() && (handCursor_ == 0 || !Held(side_, handCursor_))) {
        const std::vector<QPoint> cells = Cells();
        handCursor_ = cells.empty() ? 0 : cells.front().x();
    }
    update();
    if (!QAccessible::isActive() || !CellName)
        return;
    // Only the cells whose words changed are told, so a screen reader is not flooded.
    const std::vector<QPoint> cells = Cells();
    names_.resize(cells.size());
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    for (size_t i = 0; i < cells.size(); ++i) {
        QString name = CellName(cells[i]);
        if (name == names_[i])
            continue;
        names_[i] = std::move(name);
        if (QAccessibleInterface* cell = self ? self->child(int(i)) : nullptr) {
            QAccessibleEvent changed(cell, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
    if (!IsBoard()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

bool CellArea::IsCursorKey(const QKeyEvent* event) const
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (event->modifiers() == Qt::ShiftModifier)
            return true;
        return event->modifiers() == Qt::NoModifier && (!ArrowsAreMine || ArrowsAreMine());
    default:
        return false;
    }
}

bool CellArea::event(QEvent* event)
{
    // The window's shortcuts see a key first; the cursor's arrows must reach the area.
    if (event->type() == QEvent::ShortcutOverride && IsCursorKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

bool CellArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void CellArea::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (IsCursorKey(event)) {
        const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        MoveCursor(dx, dy);
    } else if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        ShowCursor();
        if (Cursor().x() != 0)
            emit Activated(Cursor());
    } else if (plain && key == Qt::Key_Escape) {
        emit Escaped();
    } else if (IsBoard() && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        ShowCursor();
        emit Typed(event->text());
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CellArea::MoveCursor(int dx, int dy)
{
    ShowCursor();
    if (IsBoard()) {
        boardCursor_.setX(std::clamp(boardCursor_.x() + dx, 1, int(BoardSize)));
        boardCursor_.setY(std::clamp(boardCursor_.y() + dy, 1, int(BoardSize)));
    } else {
        // A hand is a list: left and up go back in it, right and down forward.
        const std::vector<QPoint> cells = Cells();
        if (cells.empty())
            return;
        const int step = dx + dy;
        const int at = std::clamp(CursorIndex() + step, 0, int(cells.size()) - 1);
        handCursor_ = cells[size_t(at)].x();
    }
    update();
    TellCursorMoved();
}

void CellArea::ShowCursor()
{
    if (shown_)
        return;
    shown_ = true;
    update();
}

void CellArea::TellCursorMoved()
{
    emit CursorMoved(Cursor());
    if (!hasFocus() || !QAccessible::isActive())
        return;
    QAccessibleInterface* self = QAccessible::queryAccessibleInterface(this);
    const int index = CursorIndex();
    if (QAccessibleInterface* cell = self && index >= 0 ? self->child(index) : nullptr) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void CellArea::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        ShowCursor();
    if (!IsBoard())
        PositionChanged();
    QWidget::focusInEvent(event);
    // The area's own focus is told after this returns; the cell's must come after it, so that a
    // screen reader lands on the square.
    QTimer::singleShot(0, this, &CellArea::TellCursorMoved);
}

void CellArea::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void CellArea::paintEvent(QPaintEvent*)
{
    if (!shown_ || !hasFocus() || Cursor().x() == 0)
        return;
    QPainter painter(this);
    const double scale = double(width()) / PictureWidth;
    QPen pen(CursorColour, scale, Qt::DashLine);
    painter.setPen(pen);
    const QPointF corner(
        CellPixelX[Cursor().x()][Cursor().y()], CellPixelY[Cursor().x()][Cursor().y()]);
    // Along the cell's grid lines, as the red frame of a pick, which it then hides in part.
    painter.drawRect(
        QRectF((corner + QPointF(0.5, 0.5)) * scale, QSizeF(CellSize, CellSize) * scale));
}

void CellArea::contextMenuEvent(QContextMenuEvent* event)
{
    // The menu key opens the window's menu: the picture beneath keeps its right button for play.
    QContextMenuEvent forwarded(
        event->reason(), window()->mapFromGlobal(event->globalPos()), event->globalPos());
    QCoreApplication::sendEvent(window(), &forwarded);
}

void CellArea::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty()) {
        ShowCursor();
        emit Typed(event->commitString());
    }
    event->accept();
}
