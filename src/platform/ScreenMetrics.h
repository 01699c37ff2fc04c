#pragma once

#include <QSize>

namespace Platform {

// The screen's measures the dialogs lay themselves out with. Pixels are the toolkit's logical
// (device-independent) pixels.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    // Twips (1/1440 inch) per pixel: 1440 / logical DPI, 15 at 96 DPI.
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    // The primary screen's size in pixels.
    virtual QSize PrimaryScreenSize() const = 0;
};

} // namespace Platform
