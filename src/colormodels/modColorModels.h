#pragma once

#include "common/OleColor.h"

#include <cstdint>

// A colour in hue/saturation/brightness form on the default scales: Hue in whole degrees
// 0..359, Sat and Bright single-precision fractions 0..1. The notation readers mark an
// invalid record with Hue = -1.
struct HSBValues {
    std::int32_t Hue = 0;
    float Sat = 0.0f;
    float Bright = 0.0f;
};

// Stateless colour functions on 32-bit colour values: system colour translation, RGB bytes,
// RGB/HSB conversion with the arithmetic of CColorModels (RGBMax 255, HueMax 359), grey
// values, dimming and the six contrast methods. Nothing here throws.
namespace modColorModels {

// The contrast methods, numbered as the main dialog's method list stores them.
enum ContrastMethod : std::int32_t {
    ShiftHue = 0,
    XorWithMask = 1,
    AndWithMask = 2,
    CopyMask = 3,
    Negate = 4,
    BlackAndWhite = 5,
};

// A plain RGB value for any OLE_COLOR: itself for high byte 0x00, the current system colour
// for a system colour 0x80000000..0x8000001E, black (0) for anything untranslatable.
OLE_COLOR TranslateColor(OLE_COLOR color);

// The low, second and third byte of TranslateColor(color).
void SplitRGB(OLE_COLOR color, std::int32_t& red, std::int32_t& green, std::int32_t& blue);

// Packs red + 256 * green + 65536 * blue after repairing each component: absolute value, then
// at most 255 (so -10 gives 10 and 300 gives 255, also for INT32_MIN).
OLE_COLOR JoinRGB(std::int32_t red, std::int32_t green, std::int32_t blue);

// Grey value 0..255 of the translated colour, ITU or default weights, rounded half to even.
std::int32_t GrayValueOfColor(OLE_COLOR color, bool useITU);

// Hue 0..359, saturation and brightness of the translated colour.
void RGBToHSB(OLE_COLOR color, HSBValues& hsb);

// The plain RGB value of a record; a hue outside 0..359 whose sector (Hue / 60, truncated)
// lies outside 0..5 gives black, and components outside 0..255 are repaired by JoinRGB.
OLE_COLOR HSBToRGB(const HSBValues& hsb);

// Darkens (factor < 0) or lightens (factor >= 0) within the same hue, trading saturation for
// brightness at the ends. |factor| > 0.5 (or NaN) returns the colour exactly as passed,
// untranslated; otherwise the result is a plain RGB value.
OLE_COLOR DimColor(OLE_COLOR color, float factor);

// "ShiftHue": the opposite hue; full sets saturation and brightness to 1, otherwise a colour
// with saturation below 0.2 has its brightness moved by one half, wrapping.
OLE_COLOR ContrastShiftHue(OLE_COLOR color, bool full);
// The bit methods work on the value exactly as passed and return its low 24 bits.
OLE_COLOR ContrastXorWithMask(std::int32_t color, std::int32_t mask);
OLE_COLOR ContrastAndWithMask(std::int32_t color, std::int32_t mask);
OLE_COLOR ContrastCopyMask(std::int32_t color, std::int32_t mask);
OLE_COLOR ContrastNegate(std::int32_t color, std::int32_t mask); // the mask is ignored
// White when the ITU grey value is below threshold, else black.
OLE_COLOR ContrastBlackAndWhite(OLE_COLOR color, std::int32_t threshold);

} // namespace modColorModels
