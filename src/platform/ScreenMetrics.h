#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

namespace Platform {

// The screen's measures the dialogs lay themselves out with. Pixels are the toolkit's logical
// (device-independent) pixels.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    // Twips (1/1440 inch) per pixel: 1440 / logical DPI, 15 at 96 DPI.
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    // The geometry in pixels of the screen (monitor) that holds Point, offsets on the desktop
    // included; the primary screen's when Point is none or lies on no screen.
    virtual QRect ScreenGeometryAt(std::optional<QPoint> Point) const = 0;
};

} // namespace Platform
