#pragma once

#include "colormodels/modColorModels.h"
#include "common/OleColor.h"

#include <array>
#include <string>

// Readers of the edited RGB line and HSV text. Every malformed text ends in a marker value;
// nothing throws.
namespace modTintrix {

using RGBTextParts = std::array<std::string, 5>;

// Splits an RGB line into the hexadecimal part (from "&H" to the next blank), the web part
// (from "#" to the next blank) and the three trimmed decimal pieces; false when a part is
// missing or the rest does not have exactly three comma-separated pieces.
bool SplitRGBText(const std::string& Text, RGBTextParts& TextParts);

// The plain RGB value of three decimal texts read with the tolerant number rule and rounded
// half to even, or -1 when a component lies outside 0..255.
OLE_COLOR ParseRGBComponents(const std::string& Red, const std::string& Green, const std::string& Blue);

// "HSV(h, s, v)" in any case, parentheses optional; Hue -1 (with Sat and Bright 0) when it
// does not read or lies outside hue 0..359, saturation and value 0..1. OldText is not used.
HSBValues ParseHSVText(const std::string& Text, const std::string& OldText);

} // namespace modTintrix
