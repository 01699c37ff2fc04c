#include "modColorModels.h"

#include "colormodels/ColorArithmetic.h"
#include "colormodels/SystemColors.h"
#include "common/Rounding.h"

#include <cmath>
#include <cstdlib>

using Rounding::RoundToInt32;
using Rounding::ToSingle;

namespace modColorModels {
namespace {

constexpr std::int32_t kRGBMax = 255;
constexpr std::int32_t kHueSegment = 60;
constexpr std::int32_t kHueMax = 359;

std::int32_t RepairComponent(std::int32_t c) {
    const std::int64_t magnitude = std::llabs(std::int64_t{c});
    return static_cast<std::int32_t>(magnitude > 255 ? 255 : magnitude);
}

} // namespace

OLE_COLOR TranslateColor(OLE_COLOR color) {
    return SystemColors::OleTranslateColor(color).value_or(0);
}

void SplitRGB(OLE_COLOR color, std::int32_t& red, std::int32_t& green, std::int32_t& blue) {
    const OLE_COLOR rgb = TranslateColor(color);
    red = rgb & 0xFF;
    green = (rgb >> 8) & 0xFF;
    blue = (rgb >> 16) & 0xFF;
}

OLE_COLOR JoinRGB(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return OleColor::Rgb(RepairComponent(red), RepairComponent(green), RepairComponent(blue));
}

std::int32_t GrayValueOfColor(OLE_COLOR color, bool useITU) {
    std::int32_t r = 0, g = 0, b = 0;
    SplitRGB(color, r, g, b);
    return RoundToInt32(ColorArithmetic::WeightedGray(r, g, b, useITU));
}

void RGBToHSB(OLE_COLOR color, HSBValues& hsb) {
    std::int32_t r = 0, g = 0, b = 0;
    SplitRGB(color, r, g, b);
    const auto result = ColorArithmetic::HsbFromRgb(r, g, b, kRGBMax, kHueSegment, kHueMax);
    hsb.Hue = result.Hue;
    hsb.Sat = result.Sat;
    hsb.Bright = result.Bright;
}

OLE_COLOR HSBToRGB(const HSBValues& hsb) {
    const auto rgb = ColorArithmetic::RgbFromHsb(hsb.Hue, hsb.Sat, hsb.Bright, kRGBMax, kHueSegment);
    return JoinRGB(rgb.Red, rgb.Green, rgb.Blue);
}

OLE_COLOR DimColor(OLE_COLOR color, float factor) {
    if (std::isnan(factor) || std::fabs(factor) > 0.5f) {
        return color;
    }
    HSBValues hsb;
    RGBToHSB(color, hsb);
    const float startSat = hsb.Sat;
    const float startBright = hsb.Bright;
    // The thresholds compared against are single precision; the 0.05 the shortfall is taken
    // from and the factors 1.25 and 1.5 are double precision.
    constexpr float high = 0.95f;
    constexpr float low = 0.05f;
    if (factor >= 0.0f) {
        if (hsb.Bright > high && hsb.Sat > high) {
            factor = ToSingle(factor * 1.5);
        }
        const float sum = ToSingle(static_cast<double>(hsb.Bright) + factor);
        if (sum > 1.0f) {
            const float excess = ToSingle(static_cast<double>(sum) - 1.0);
            hsb.Bright = 1.0f;
            hsb.Sat = ToSingle(hsb.Sat - excess * 1.25);
        } else {
            hsb.Bright = sum;
        }
    } else {
        const float sum = ToSingle(static_cast<double>(hsb.Bright) + factor);
        if (sum < low) {
            const float shortfall = ToSingle(0.05 - sum);
            hsb.Bright = low;
            hsb.Sat = ToSingle(hsb.Sat + shortfall * 1.25);
        } else {
            hsb.Bright = sum;
        }
    }
    if (hsb.Bright > 1.0f) {
        hsb.Bright = 1.0f;
    }
    if (hsb.Bright < low) {
        hsb.Bright = startBright < low ? startBright : low;
    }
    if (hsb.Sat > 1.0f) {
        hsb.Sat = 1.0f;
    }
    if (hsb.Sat < low) {
        hsb.Sat = startSat < low ? startSat : low;
    }
    return HSBToRGB(hsb);
}

OLE_COLOR ContrastShiftHue(OLE_COLOR color, bool full) {
    HSBValues hsb;
    RGBToHSB(color, hsb);
    hsb.Hue = (hsb.Hue + 180) % 360;
    if (full) {
        hsb.Sat = 1.0f;
        hsb.Bright = 1.0f;
    } else if (hsb.Sat < 0.2f) {
        const double x = static_cast<double>(hsb.Bright) + 0.5;
        hsb.Bright = ToSingle(x - std::floor(x));
    }
    return HSBToRGB(hsb);
}

OLE_COLOR ContrastXorWithMask(std::int32_t color, std::int32_t mask) {
    return (color ^ mask) & 0xFFFFFF;
}

OLE_COLOR ContrastAndWithMask(std::int32_t color, std::int32_t mask) {
    return color & mask & 0xFFFFFF;
}

OLE_COLOR ContrastCopyMask(std::int32_t /*color*/, std::int32_t mask) {
    return mask & 0xFFFFFF;
}

OLE_COLOR ContrastNegate(std::int32_t color, std::int32_t /*mask*/) {
    return ~color & 0xFFFFFF;
}

OLE_COLOR ContrastBlackAndWhite(OLE_COLOR color, std::int32_t threshold) {
    return GrayValueOfColor(color, true) < threshold ? 0xFFFFFF : 0;
}

} // namespace modColorModels
