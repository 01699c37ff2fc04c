#pragma once

#include "platform/ScreenMetrics.h"

#include <algorithm>
#include <vector>

// Fixed screen measures: 15 twips per pixel (96 DPI) and one 1280 x 1024 screen unless a test
// sets others; the first of `screens` is the primary one.
class FakeScreenMetrics final : public Platform::ScreenMetrics {
public:
    double TwipsPerPixelX() const override { return twipsPerPixelX; }
    double TwipsPerPixelY() const override { return twipsPerPixelY; }
    QRect ScreenGeometryAt(std::optional<QPoint> Point) const override {
        const auto at = std::find_if(screens.begin(), screens.end(),
                                     [&](const QRect& s) { return Point && s.contains(*Point); });
        return at == screens.end() ? screens.front() : *at;
    }

    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;
    std::vector<QRect> screens{QRect(0, 0, 1280, 1024)};
};
