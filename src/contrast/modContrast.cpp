#include "modContrast.h"

#include "colormodels/modColorModels.h"
#include "common/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace modContrast {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0; rows give the new red, green, blue.
constexpr Matrix kProtanopia = {{
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
}};
constexpr Matrix kDeuteranopia = {{
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
}};
constexpr Matrix kTritanopia = {{
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
}};

constexpr double kLuminanceOffset = 0.05;

std::array<double, 3> LinearComponents(OLE_COLOR Color) {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    modColorModels::SplitRGB(Color, red, green, blue);
    return {ToLinear(red), ToLinear(green), ToLinear(blue)};
}

double Luminance(const std::array<double, 3>& Linear) {
    return 0.2126 * Linear[0] + 0.7152 * Linear[1] + 0.0722 * Linear[2];
}

OLE_COLOR Apply(const Matrix& M, const std::array<double, 3>& Linear) {
    std::array<int, 3> seen{};
    for (std::size_t row = 0; row < 3; ++row) {
        seen[row] = ToComponent(M[row][0] * Linear[0] + M[row][1] * Linear[1] + M[row][2] * Linear[2]);
    }
    return OleColor::Rgb(seen[0], seen[1], seen[2]);
}

} // namespace

double ToLinear(int Component) {
    const double c = std::clamp(Component, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int ToComponent(double Linear) {
    const double x = Linear >= 0.0 ? std::min(Linear, 1.0) : 0.0;
    const double c = x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
    return Rounding::RoundToInt32(c * 255.0);
}

double RelativeLuminance(OLE_COLOR Color) {
    return Luminance(LinearComponents(Color));
}

double ContrastRatio(OLE_COLOR A, OLE_COLOR B) {
    const double a = RelativeLuminance(A);
    const double b = RelativeLuminance(B);
    return (std::max(a, b) + kLuminanceOffset) / (std::min(a, b) + kLuminanceOffset);
}

OLE_COLOR LegibleColor(OLE_COLOR Designed, OLE_COLOR Background, double MinimumRatio) {
    const OLE_COLOR designed = modColorModels::TranslateColor(Designed);
    const double background = RelativeLuminance(Background);
    const auto reaches = [&](OLE_COLOR candidate) {
        const double luminance = RelativeLuminance(candidate);
        return (std::max(luminance, background) + kLuminanceOffset) /
                   (std::min(luminance, background) + kLuminanceOffset) >=
               MinimumRatio;
    };
    if (reaches(designed)) {
        return designed;
    }
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
    modColorModels::SplitRGB(designed, red, green, blue);
    // Step k of 255 towards Target (0 or 255) in every component.
    const auto mixed = [&](int target, int k) {
        const auto mix = [&](std::int32_t c) { return c + Rounding::RoundToInt32((target - c) * k / 255.0); };
        return OleColor::Rgb(mix(red), mix(green), mix(blue));
    };
    const bool lighter = background < RelativeLuminance(designed);
    const int away = lighter ? 255 : 0;
    if (reaches(mixed(away, 255))) {
        // Away from the background the contrast only grows with every step: halve to the first.
        int missed = 0;
        int reached = 255;
        while (reached - missed > 1) {
            const int k = (missed + reached) / 2;
            (reaches(mixed(away, k)) ? reached : missed) = k;
        }
        return mixed(away, reached);
    }
    // Towards it the contrast first falls, then grows again.
    for (int k = 1; k <= 255; ++k) {
        if (const OLE_COLOR candidate = mixed(255 - away, k); reaches(candidate)) {
            return candidate;
        }
    }
    const OLE_COLOR white = OleColor::Rgb(255, 255, 255);
    const OLE_COLOR black = OleColor::Rgb(0, 0, 0);
    return ContrastRatio(white, Background) >= ContrastRatio(black, Background) ? white : black;
}

std::string FormatRatio(double Ratio) {
    // Ratios lie between 1 and 21; anything else is held to a range that cannot overflow.
    const double cut = std::floor(std::clamp(Ratio, 0.0, 1e9) * 100.0);
    const long long hundredths = std::isnan(cut) ? 0 : static_cast<long long>(cut);
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld:1", hundredths / 100, hundredths % 100);
    return text;
}

bool Passes(double Ratio, const Verdict& Criterion) {
    return Ratio >= Criterion.Threshold;
}

const char* VisionName(Vision Kind) {
    switch (Kind) {
    case Vision::Protanopia:
        return "Protanopia";
    case Vision::Deuteranopia:
        return "Deuteranopia";
    case Vision::Tritanopia:
        return "Tritanopia";
    case Vision::Achromatopsia:
        return "Achromatopsia";
    case Vision::Typical:
        break;
    }
    return "Typical vision";
}

OLE_COLOR SimulateVision(OLE_COLOR Color, Vision Kind) {
    const std::array<double, 3> linear = LinearComponents(Color);
    switch (Kind) {
    case Vision::Protanopia:
        return Apply(kProtanopia, linear);
    case Vision::Deuteranopia:
        return Apply(kDeuteranopia, linear);
    case Vision::Tritanopia:
        return Apply(kTritanopia, linear);
    case Vision::Achromatopsia: {
        const int grey = ToComponent(Luminance(linear));
        return OleColor::Rgb(grey, grey, grey);
    }
    case Vision::Typical:
        break;
    }
    return modColorModels::TranslateColor(Color);
}

} // namespace modContrast
