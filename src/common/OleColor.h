#pragma once

#include <cstdint>

// A 32-bit colour value. A plain RGB value is 0x00BBGGRR (red in the lowest byte); a value
// whose high byte is 0x80 is a system colour whose low bits hold the system colour index.
// Signed, because system colours are negative and -1 marks "no colour" throughout.
using OLE_COLOR = std::int32_t;

namespace OleColor {

// The bit pattern written as a hexadecimal constant (0x8000000F) as an OLE_COLOR.
constexpr OLE_COLOR FromBits(std::uint32_t bits) {
    return static_cast<OLE_COLOR>(bits);
}
constexpr std::uint32_t Bits(OLE_COLOR color) {
    return static_cast<std::uint32_t>(color);
}

constexpr std::uint32_t HighByte(OLE_COLOR color) {
    return Bits(color) >> 24;
}
constexpr bool IsSystemColor(OLE_COLOR color) {
    return HighByte(color) == 0x80;
}

// The system colour with the given index (0x80000000 + index).
constexpr OLE_COLOR SystemColor(int index) {
    return FromBits(0x80000000u | static_cast<std::uint32_t>(index));
}

constexpr OLE_COLOR Rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

} // namespace OleColor
