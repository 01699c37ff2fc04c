#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <functional>
#include <vector>

// How the monitors Qt reports lie in screen pixels (physical pixels of the virtual desktop),
// and how a screen rectangle is put together from the monitors it touches.
//
// Qt describes a monitor by a geometry in device-independent pixels whose top-left corner is
// the monitor's real position in screen pixels and whose size is the real size divided by the
// monitor's device pixel ratio. Inside a monitor, device-independent pixels grow from that
// corner by the ratio.
namespace MonitorLayout {

struct Monitor {
    QRect geometry;    // as QScreen::geometry() gives it
    qreal ratio = 1.0; // QScreen::devicePixelRatio(), > 0

    // The monitor's rectangle in screen pixels.
    QRect Pixels() const;
    // A device-independent position or rectangle on this monitor in screen pixels, and a
    // position back (halves to even, so a pixel between two device-independent pixels goes
    // to one of them).
    QPoint ToPixels(QPoint logical) const;
    QRect ToPixels(const QRect& logical) const;
    QPoint ToLogical(QPoint pixel) const;
};

// The monitor whose screen-pixel rectangle holds Pixel, or nullptr.
const Monitor* MonitorAtPixel(const std::vector<Monitor>& Monitors, QPoint Pixel);
// The monitor whose device-independent geometry holds Logical, or nullptr.
const Monitor* MonitorAtLogical(const std::vector<Monitor>& Monitors, QPoint Logical);

// The smallest rectangle holding every monitor, in screen pixels; empty without monitors.
QRectF Desktop(const std::vector<Monitor>& Monitors);

// Reads one monitor: Local is a rectangle in device-independent pixels relative to the
// monitor's top-left corner (what QScreen::grabWindow(0, ...) takes); the answer holds the
// screen pixels from Local's top-left corner scaled by the ratio as Qt scales it, or is null
// when the monitor cannot be read.
using GrabMonitor = std::function<QImage(std::size_t Index, const QRect& Local)>;

// Area of the screen in QImage::Format_ARGB32, one pixel per screen pixel: each part that lies
// on a monitor is read from that monitor, the rest (beyond every monitor, or on a monitor that
// cannot be read) is transparent. Null for an empty Area.
QImage Compose(const std::vector<Monitor>& Monitors, const QRect& Area, const GrabMonitor& Grab);

} // namespace MonitorLayout
