#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& PictureBox::Canvas()
{
    update();
    return picture_;
}

void PictureBox::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Nearest-neighbour scaling keeps every picture pixel a sharp square on a dense screen.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), picture_);
}

QPoint PictureBox::PixelAt(const QMouseEvent* event) const
{
    // Under a desktop scale factor a press can fall on a fraction of a pixel. Qt rounds the
    // widget-local position, which would move the right half of a grid line into the next cell;
    // the position in the window keeps the fraction, so take the pixel that one falls in. An
    // event sent straight to the widget carries its local position in both, so the window
    // position counts only where it rounds to the local one.
    const QPointF inWindow = event->scenePosition() - QPointF(mapTo(window(), QPoint(0, 0)));
    const QPointF rounding = inWindow - event->position();
    const QPointF local = std::abs(rounding.x()) <= 0.5 && std::abs(rounding.y()) <= 0.5
        ? inWindow
        : event->position();
    return QPoint(static_cast<int>(std::floor(local.x() * picture_.width() / width())),
        static_cast<int>(std::floor(local.y() * picture_.height() / height())));
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = PixelAt(event);
    emit MouseDown(event->button(), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = PixelAt(event);
    emit MouseUp(event->button(), at.x(), at.y());
}
