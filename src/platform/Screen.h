#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>

class QWidget;

namespace Platform {

// The screen as the magnifier and screen picking see it.
//
// Every coordinate is in screen pixels: physical pixels of the virtual desktop, whatever the
// device pixel ratio, so that one pixel here is one pixel the monitor shows. The origin is the
// primary monitor's top-left corner; monitors left of or above it have negative coordinates.
class Screen {
public:
    virtual ~Screen() = default;

    // Where the mouse cursor's hot spot is now.
    virtual QPoint CursorPos() const = 0;

    // Moves the mouse cursor. The position is not checked; the system keeps the cursor on the
    // desktop.
    virtual void SetCursorPos(QPoint Position) = 0;

    // The screen rectangle a window covers, its frame included for a top-level window. Its
    // left and top edges belong to it, its right and bottom edges (left + width, top +
    // height) do not, which is exactly what QRect::contains tests. Empty for a window that
    // is on no screen.
    virtual QRect WindowRect(const QWidget& Window) const = 0;

    // The virtual desktop: the smallest rectangle that holds every monitor. Left and top are
    // whole pixels; width and height may carry a fraction where a scaled size does not come
    // out even. Read afresh on each call, so monitors may come and go.
    virtual QRectF Desktop() const = 0;

    // Copies Area of the screen, one image pixel per screen pixel and never smoothed, into an
    // image of Area's size in QImage::Format_ARGB32. Pixels the screen cannot give are left
    // transparent (alpha 0): those beyond every monitor, and all of them where the screen
    // cannot be read (a Wayland session without X11). Readable pixels are opaque. An empty
    // Area gives a null image.
    virtual QImage Grab(const QRect& Area) const = 0;
};

} // namespace Platform
