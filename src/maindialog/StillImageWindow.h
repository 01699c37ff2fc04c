#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QWidget>

class QEnterEvent;
class QMouseEvent;
class QPaintEvent;
class QScreen;

// One monitor's part of the still image of the desktop over which screen picking runs: a
// frameless window above all others that covers its monitor with the image, so that the desktop
// looks as it did and nothing on it moves. The picking cursor's pixel is framed, and next to it
// go the magnified view and the colour's value line, on the side where they leave that pixel
// free (right of and below it, left of or above it near the monitor's right or bottom edge).
//
// The pointer over the window moves the picking cursor (PointerMoved) and a left click keeps the
// colour (Clicked); keys go to whoever filters the window's events (the main dialog).
class StillImageWindow final : public QWidget {
    Q_OBJECT

public:
    // Covers Monitor with Image, its part of the still image (device pixel ratio set); a window
    // of its own, owned by Owner. Shown with showFullScreen.
    StillImageWindow(QScreen& Monitor, const QImage& Image, QWidget* Owner);

    // Shows the picking cursor's pixel, which covers Cell on the desktop (device-independent),
    // with View (the magnified view, drawn at twice its size) and ValueLine (one or more lines)
    // below it next to the pixel; nothing of them where Cell lies on another monitor.
    void ShowCursor(const QRectF& Cell, const QImage& View, const QString& ValueLine);

signals:
    // The pointer is at Position, a device-independent point of the desktop.
    void PointerMoved(QPointF Position);
    // The left mouse button was clicked on the image.
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Where the frame around the cursor's pixel, and the view with its value line, are drawn
    // (window coordinates); empty while the cursor is on another monitor.
    QRect FrameRect() const;
    QRect ViewRect() const;
    QSize ViewSize() const;

    QPoint mOrigin; // the monitor's top-left corner on the desktop
    QImage mImage;
    QRectF mCell; // in window coordinates; empty while the cursor is elsewhere
    QImage mView;
    QString mValueLine;
};
