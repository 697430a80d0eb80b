#pragma once

#include <QPoint>
#include <QWidget>

// The frame of a hint over the picture: a solid magenta frame on one cell, a colour the picture
// never uses, so that it is never taken for the red frame of a pick or a move. It lets the mouse
// through and is hidden, drawing nothing, unless a hint is framed.
class HintFrame : public QWidget {
    Q_OBJECT

public:
    explicit HintFrame(QWidget* picture);

    // Frames the cell: a board square, or a hand slot (x the type, y the hand's row).
    void Frame(QPoint cell);
    void Clear();
    // The cell framed; (0, 0) when none.
    QPoint Cell() const { return cell_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint cell_;
};
