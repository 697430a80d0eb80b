#include "control_label.h"

#include <QMouseEvent>

ControlLabel::ControlLabel(const QString& caption, const QRect& geometry, QWidget* parent)
    : QLabel(caption, parent)
{
    setGeometry(geometry);
    setAlignment(Qt::AlignCenter);
    // Opaque in the window's colour, so that it hides the picture beneath it.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
}

void ControlLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    leftPressed_ = event->button() == Qt::LeftButton;
    emit MouseDown();
}

void ControlLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = leftPressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click)
        emit Click();
}
