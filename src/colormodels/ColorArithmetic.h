#pragma once

#include <cstdint>

// The RGB/HSB arithmetic that CColorModels (any scale) and modColorModels (the default scales)
// share, written once so that both give bit-identical results.
namespace ColorArithmetic {

struct Hsb {
    std::int32_t Hue;
    float Sat;
    float Bright;
};

struct Rgb {
    std::int32_t Red;
    std::int32_t Green;
    std::int32_t Blue;
};

// Components 0..rgbMax -> hue 0..hueMax (hueSegment = (hueMax + 1) / 6), saturation and
// brightness rounded to single precision. A grey gives hue 0 and saturation 0. Red wins a tie
// for the maximum with green or blue, green wins a tie with blue.
Hsb HsbFromRgb(std::int32_t red, std::int32_t green, std::int32_t blue, std::int32_t rgbMax,
               std::int32_t hueSegment, std::int32_t hueMax);

// The inverse by the six sectors of the hue circle; V = bright * rgbMax and D = V * sat are
// rounded to single precision, each component half to even. A sector outside 0..5 (a hue
// outside 0..hueMax) gives 0, 0, 0. Out-of-range saturation or brightness give components
// outside 0..rgbMax, saturated at the int32 limits, for the caller to repair.
Rgb RgbFromHsb(std::int32_t hue, float sat, float bright, std::int32_t rgbMax, std::int32_t hueSegment);

// red * wR + green * wG + blue * wB, added left to right in double precision, unrounded:
// ITU weights 0.222, 0.707, 0.071, otherwise 0.2989, 0.5866, 0.1145.
double WeightedGray(std::int32_t red, std::int32_t green, std::int32_t blue, bool useITU);

} // namespace ColorArithmetic
