#include "ColorArithmetic.h"

#include "common/Rounding.h"

#include <algorithm>

using Rounding::RoundToInt32;
using Rounding::ToSingle;

namespace ColorArithmetic {

Hsb HsbFromRgb(std::int32_t red, std::int32_t green, std::int32_t blue, std::int32_t rgbMax,
               std::int32_t hueSegment, std::int32_t hueMax) {
    const std::int32_t max = std::max(std::max(red, blue), green);
    const std::int32_t min = std::min(std::min(red, blue), green);
    const float bright = ToSingle(static_cast<double>(max) / rgbMax);
    if (max == min) {
        return {0, 0.0f, bright};
    }
    const double delta = max - min;
    const float sat = ToSingle(delta / max);
    std::int32_t hue = 0;
    if (red == max) {
        hue = RoundToInt32((green - blue) / delta * hueSegment);
        if (hue < 0) {
            hue += hueMax + 1;
        }
    } else if (green == max) {
        hue = RoundToInt32(((blue - red) / delta + 2.0) * hueSegment);
    } else {
        hue = RoundToInt32(((red - green) / delta + 4.0) * hueSegment);
    }
    return {hue, sat, bright};
}

Rgb RgbFromHsb(std::int32_t hue, float sat, float bright, std::int32_t rgbMax, std::int32_t hueSegment) {
    const double v = ToSingle(static_cast<double>(bright) * rgbMax);
    const double d = ToSingle(v * sat);
    const std::int32_t sector = hue / hueSegment;
    const double f = static_cast<double>(hue % hueSegment) / hueSegment;
    const std::int32_t high = RoundToInt32(v);
    const std::int32_t low = RoundToInt32(v - d);
    const std::int32_t falling = RoundToInt32(v - f * d);
    const std::int32_t rising = RoundToInt32(v - (1.0 - f) * d);
    switch (sector) {
    case 0:
        return {high, rising, low};
    case 1:
        return {falling, high, low};
    case 2:
        return {low, high, rising};
    case 3:
        return {low, falling, high};
    case 4:
        return {rising, low, high};
    case 5:
        return {high, low, falling};
    default:
        return {0, 0, 0};
    }
}

double WeightedGray(std::int32_t red, std::int32_t green, std::int32_t blue, bool useITU) {
    return useITU ? red * 0.222 + green * 0.707 + blue * 0.071
                  : red * 0.2989 + green * 0.5866 + blue * 0.1145;
}

} // namespace ColorArithmetic
