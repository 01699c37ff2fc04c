#pragma once

#include "platform/ScreenMetrics.h"

namespace Platform {

// Measures of the primary screen, read afresh on every call.
class QtScreenMetrics final : public ScreenMetrics {
public:
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    QSize PrimaryScreenSize() const override;
};

} // namespace Platform
