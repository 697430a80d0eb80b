#pragma once

#include <QImage>
#include <QWidget>

// A picture control: shows its canvas pixel for pixel (scaled without blur on dense screens)
// and reports mouse presses and releases in canvas pixels.
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
    QImage picture_;
};
