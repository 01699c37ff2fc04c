#pragma once

#include "common/OleColor.h"

#include <QImage>
#include <QWidget>

// A drawing surface that keeps what is drawn on it: code draws into its backing image, which
// the widget shows and repaints from. The inner size is measured in (logical) pixels; the
// image always has the widget's size and, after a resize or Cls, is cleared to BackColor.
// Mouse, key and focus events come out as signals so that the owning dialog handles them.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The backing image (Format_RGB32); draw into it, then call Refresh to show it.
    QImage& Image();

    int ScaleWidth() const { return width(); }
    int ScaleHeight() const { return height(); }

    OLE_COLOR BackColor() const { return mBackColor; }
    // Sets the colour Cls clears to (a system colour is translated when clearing).
    void SetBackColor(OLE_COLOR color);

    // Clears the whole image to BackColor.
    void Cls();
    // Shows the image as it is now.
    void Refresh() { update(); }

signals:
    void MouseDown(Qt::MouseButton button, QPointF position);
    void MouseMove(Qt::MouseButtons buttons, QPointF position);
    void MouseUp(Qt::MouseButton button, QPointF position);
    void DblClick();
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void GotFocus();
    void LostFocus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // A hidden widget gets no resize events, so the image follows the size when it is used.
    void FitImage();

    QImage mImage;
    OLE_COLOR mBackColor = OleColor::SystemColor(5);
};
