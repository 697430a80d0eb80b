#include "control_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ControlLabel::ControlLabel(const QString& caption, const QRect& geometry, QWidget* parent)
    : QLabel(caption, parent)
{
    setGeometry(geometry);
    setAlignment(Qt::AlignCenter);
    // Opaque in the window's colour, so that it hides the picture beneath it.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    // Only Tab gives it the focus: a click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void ControlLabel::Press()
{
    emit MouseDown();
    emit Click();
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

void ControlLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier
        && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
        Press();
    else
        QLabel::keyPressEvent(event);
}

void ControlLabel::focusInEvent(QFocusEvent* event)
{
    tabbedTo_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    update();
    QLabel::focusInEvent(event);
}

void ControlLabel::focusOutEvent(QFocusEvent* event)
{
    tabbedTo_ = false;
    update();
    QLabel::focusOutEvent(event);
}

void ControlLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!tabbedTo_ || !hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 0, 255), 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
