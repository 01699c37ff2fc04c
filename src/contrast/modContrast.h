#pragma once

#include "common/OleColor.h"

#include <array>
#include <string>

// Legibility of one colour on another as WCAG 2 measures it, and how a pair of colours looks
// with a colour-vision deficiency. Standard library only; colours are OLE_COLOR values, and a
// system colour is translated to its current RGB first, as everywhere.
namespace modContrast {

// The linear light of an sRGB component 0..255: c / 12.92 for c = component / 255 up to
// 0.04045, else ((c + 0.055) / 1.055) ^ 2.4. Components outside 0..255 are clamped first.
double ToLinear(int Component);

// The sRGB component 0..255 of a linear value, clamped to 0..1 first (NaN gives 0): 12.92 x up
// to 0.0031308, else 1.055 x ^ (1 / 2.4) - 0.055; times 255, rounded half to even.
int ToComponent(double Linear);

// 0.2126 R + 0.7152 G + 0.0722 B of the linear components: 0 for black to 1 for white.
double RelativeLuminance(OLE_COLOR Color);

// (L1 + 0.05) / (L2 + 0.05), L1 the larger relative luminance: 1 (equal) to 21 (black, white).
// The order of the two colours does not matter.
double ContrastRatio(OLE_COLOR A, OLE_COLOR B);

// Designed when its ratio against Background reaches MinimumRatio; otherwise the colour of the
// same hue nearest to Designed that reaches it: Designed mixed with white (on a background darker
// than it) or with black (on a lighter one) by the smallest of 255 equal steps that reaches the
// ratio. Mixing with white or black keeps the HSV hue, up to the rounding of the components.
// Where that direction cannot reach the ratio, the other one is tried; where neither can, the
// result is white or black, whichever stands out more. System colours are translated first; the
// result is a plain RGB value.
OLE_COLOR LegibleColor(OLE_COLOR Designed, OLE_COLOR Background, double MinimumRatio);

// The ratio with two decimals cut, never rounded up, so that a pair never seems to pass a
// threshold it misses, then ":1": 21 gives "21.00:1", 4.4781 "4.47:1", 3.9985 "3.99:1".
std::string FormatRatio(double Ratio);

// The WCAG 2.2 success criteria a ratio is judged by (1.4.3, 1.4.6 and 1.4.11).
struct Verdict {
    const char* Heading; // "AA", "AA large", ...
    double Threshold;    // the smallest ratio that passes
};
inline constexpr std::array<Verdict, 5> kVerdicts = {{
    {"AA", 4.5},
    {"AA large", 3.0},
    {"AAA", 7.0},
    {"AAA large", 4.5},
    {"Non-text", 3.0},
}};

// Whether the exact ratio reaches the verdict's threshold; equal passes.
bool Passes(double Ratio, const Verdict& Criterion);

// How colours are seen, in the order the contrast window lists them.
enum class Vision { Typical, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
inline constexpr std::array<Vision, 5> kVisions = {Vision::Typical, Vision::Protanopia, Vision::Deuteranopia,
                                                   Vision::Tritanopia, Vision::Achromatopsia};

// "Typical vision", "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia".
const char* VisionName(Vision Kind);

// The plain RGB colour as seen with Kind: unchanged for typical vision; the three dichromacies
// by the matrices of Machado, Oliveira and Fernandes (2009) at severity 1 on the linear
// components, each result clamped to 0..1; achromatopsia as the grey of the relative luminance.
OLE_COLOR SimulateVision(OLE_COLOR Color, Vision Kind);

} // namespace modContrast
