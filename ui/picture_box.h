#pragma once

#include <QImage>
#include <QWidget>

// A picture control: shows its canvas pixel for pixel, or each pixel as a square block when it
// is larger than the canvas or on a dense screen, and reports mouse presses and releases in
// canvas pixels.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);

    // The canvas to draw on; the control repaints from it by itself.
    QImage& Canvas();
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

signals:
    void MouseDown(Qt::MouseButton button, int x, int y);
    void MouseUp(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The picture pixel under the mouse, whatever the control's size.
    QPoint PixelAt(const QMouseEvent* event) const;

    QImage picture_;
};
