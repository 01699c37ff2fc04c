#pragma once

#include "platform/ScreenMetrics.h"

// Fixed screen measures: 15 twips per pixel (96 DPI) and a 1280 x 1024 screen unless a test sets others.
class FakeScreenMetrics final : public Platform::ScreenMetrics {
public:
    double TwipsPerPixelX() const override { return twipsPerPixelX; }
    double TwipsPerPixelY() const override { return twipsPerPixelY; }
    QSize PrimaryScreenSize() const override { return screenSize; }

    double twipsPerPixelX = 15.0, twipsPerPixelY = 15.0;
    QSize screenSize{1280, 1024};
};
