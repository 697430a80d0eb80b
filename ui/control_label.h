#pragma once

#include <QLabel>

// A text label that serves as a button: it reports a press of any button, and a completed
// left click (press and release over the label). Mouse input over it never reaches what lies
// beneath.
class ControlLabel : public QLabel {
    Q_OBJECT

public:
    ControlLabel(const QString& caption, const QRect& geometry, QWidget* parent);

signals:
    void MouseDown();
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftPressed_ = false;
};
