#pragma once

#include "platform/Screen.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <vector>

namespace Platform {

// The screen as one still image of the desktop showed it: picking runs over this where a
// program may not read the screen itself. The image is the desktop in device pixels, as the
// desktop portal takes it, and each of its pixels is one screen pixel here: a device-
// independent position P is the screen pixel P times the image's scale (image pixels per
// device-independent pixel, 2 for a desktop at scale 2), rounded down.
//
// The cursor is a picking cursor of its own: the pointer over the image sets it (through
// PixelAt), the arrow keys move it (SetCursorPos), and it stays on the desktop. The image
// covers every window, so no window has a rectangle here and the cursor is over none of them.
class StillImageScreen final : public Screen {
public:
    // Image: the whole desktop, its top-left pixel at the top-left corner of the smallest
    // rectangle that holds Monitors (their geometries in device-independent pixels, as
    // QScreen::geometry() gives them). Pixels beyond every monitor cannot be read. The cursor
    // starts at the desktop's top-left pixel. An image or a desktop without pixels gives a
    // screen that holds no pixel.
    StillImageScreen(const QImage& Image, const std::vector<QRect>& Monitors);

    QPoint CursorPos() const override { return mCursor; }
    // Moves the picking cursor to Position, or to the nearest pixel of the desktop.
    void SetCursorPos(QPoint Position) override;
    // Always empty.
    QRect WindowRect(const QWidget& Window) const override;
    QRectF Desktop() const override { return QRectF(mDesktop); }
    QImage Grab(const QRect& Area) const override;

    // The screen pixel under Position, a device-independent point of the desktop.
    QPoint PixelAt(QPointF Position) const;
    // The device-independent rectangle Pixel covers.
    QRectF AreaOf(QPoint Pixel) const;
    // The part of the image that shows Area (device-independent, a monitor), with its device
    // pixel ratio set so that, drawn over Area, each image pixel fills one device pixel where the
    // monitor's ratio is the image's scale.
    QImage Part(const QRect& Area) const;

private:
    // The screen pixels a device-independent rectangle covers.
    QRect PixelsOf(const QRect& Area) const;

    QImage mImage;  // Format_ARGB32, transparent beyond every monitor
    QRect mDesktop; // in screen pixels
    QSizeF mScale;  // image pixels per device-independent pixel, across and down
    QPoint mCursor;
};

} // namespace Platform
