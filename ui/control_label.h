#pragma once

#include <QLabel>

// A text label that serves as a button: it reports a press of any button, and a completed
// left click (press and release over the label). Mouse input over it never reaches what lies
// beneath. Tab reaches it, and Space or Enter press it as a click would; only then does a
// dashed frame show that it has the focus.
class ControlLabel : public QLabel {
    Q_OBJECT

public:
    ControlLabel(const QString& caption, const QRect& geometry, QWidget* parent);

    // A press by the keyboard or a screen reader: a whole click.
    void Press();

signals:
    void MouseDown();
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool leftPressed_ = false;
    bool tabbedTo_ = false; // the focus came by Tab, so the frame shows
};
