#pragma once

#include "platform/ScreenMetrics.h"

namespace Platform {

// Measures of the screens as Qt knows them, read afresh on every call; the twips per pixel are
// the primary screen's.
class QtScreenMetrics final : public ScreenMetrics {
public:
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    QRect ScreenGeometryAt(std::optional<QPoint> Point) const override;
};

} // namespace Platform
