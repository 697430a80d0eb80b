#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

// Under a fractional scale factor positions arrive as fractions; a pixel is the one they fall in.
QPoint PixelAt(const QMouseEvent* event)
{
    return QPoint(static_cast<int>(std::floor(event->position().x())),
        static_cast<int>(std::floor(event->position().y())));
}

} // namespace

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
