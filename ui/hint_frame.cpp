#include "hint_frame.h"

#include "board_picture.h"
#include "cell_pixels.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr QColor HintColour(255, 0, 255);

} // namespace

HintFrame::HintFrame(QWidget* picture)
    : QWidget(picture)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
    hide();
}

void HintFrame::Frame(QPoint cell)
{
    cell_ = cell;
    show();
    raise();
    update();
}

void HintFrame::Clear()
{
    cell_ = QPoint();
    hide();
}

bool HintFrame::eventFilter(QObject* watched, QEvent* event)
{
    // The frame follows the picture's zoom.
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void HintFrame::paintEvent(QPaintEvent*)
{
    if (cell_.isNull())
        return;
    QPainter painter(this);
    const double scale = double(width()) / PictureWidth;
    painter.setPen(QPen(HintColour, scale));
    const QPointF corner(CellPixelX[cell_.x()][cell_.y()], CellPixelY[cell_.x()][cell_.y()]);
    // Just inside the cell's grid lines, so that a red frame on the same cell still shows.
    painter.drawRect(
        QRectF((corner + QPointF(1.5, 1.5)) * scale, QSizeF(CellSize - 2, CellSize - 2) * scale));
}
