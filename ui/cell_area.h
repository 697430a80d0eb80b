#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>
#include <vector>

// A part of the picture that takes the keyboard: the board, or one side's hand. It lies over the
// whole picture, lets the mouse through and draws nothing until the keyboard has been used on
// it; then a dashed blue frame shows its cursor, a colour the picture never uses. Cells are
// those of ply 1's grid: board squares (x 1..5, y 1..5), or hand slots (x the type, y the
// hand's row), of which the hand offers only the kinds held.
class CellArea : public QWidget {
    Q_OBJECT

public:
    // side 0 makes the board; +1 or -1 that side's hand.
    CellArea(int side, QWidget* picture);

    bool IsBoard() const { return side_ == 0; }
    int Side() const { return side_; }

    // The cells in reading order: the board by rows from a to e, each from file 5 to file 1; a
    // hand by kind, rook, bishop, gold, silver, pawn, of those held.
    std::vector<QPoint> Cells() const;
    // The cell under the cursor; (0, 0) on an empty hand.
    QPoint Cursor() const;
    int CursorIndex() const;
    void SetCursor(QPoint cell);
    // The cell's place on the screen, in this widget's coordinates.
    QRect CellRect(QPoint cell) const;

    // What is said of the area and of a cell; the window fills these in.
    std::function<QString()> Name;
    std::function<QString(QPoint)> CellName;
    // Whether the plain arrow keys are the cursor's here and now, rather than the window's.
    std::function<bool()> ArrowsAreMine;

    // Ply 1 has changed: the names follow, a hand's cursor stays on a kind still held.
    void PositionChanged();

signals:
    // Space or Enter on the cell under the cursor.
    void Activated(QPoint cell);
    void Escaped();
    // Printable text typed here.
    void Typed(const QString& text);
    void CursorMoved(QPoint cell);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool IsCursorKey(const QKeyEvent* event) const;
    void MoveCursor(int dx, int dy);
    void ShowCursor();
    void TellCursorMoved();

    int side_;
    QPoint boardCursor_ { 3, 3 };
    int handCursor_ = 0; // the type under a hand's cursor, 0 when none is held
    bool shown_ = false; // the keyboard has been used here
    std::vector<QString> names_; // the cells' names as last told
};
