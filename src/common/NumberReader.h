#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// How Tintrix reads the numbers a user types. Both readers know the same two forms: a decimal
// number (optional sign, digits with an optional "." and fraction, optional exponent "e" or "E"
// with optional sign and digits) and "&H" (or "&h") followed by hexadecimal digits of either
// case, which give a 32-bit pattern (&HFFFFFFFF is -1). "." is the only decimal separator,
// whatever the C or C++ locale says.
namespace NumberReader {

struct Reading {
    // The number read; 0 when Text does not begin with a number or on Overflow.
    double Value = 0.0;
    // How many characters of Text, from its start, up to and including the number's last
    // character (blanks inside the number included, blanks after it not); 0 when Text does not
    // begin with a number. A bare "&H", ".", "+" or "-" is not a number.
    std::size_t Length = 0;
    // The number is well formed but cannot be represented: a decimal beyond the double range
    // (1e999), or hexadecimal digits beyond 32 bits (&H100000000). A decimal too small for a
    // double reads as 0 without Overflow.
    bool Overflow = false;
};

// The tolerant reading: blanks, tabs and line feeds are skipped anywhere ("1 2" reads 12); the
// longest leading part that forms a number is read and the rest ignored ("12abc" reads 12,
// "1e" reads 1, "abc" reads 0).
Reading ReadLeadingNumber(std::string_view Text);

// The strict conversion of a whole text to a 32-bit integer: spaces around the number are
// allowed, anything else (inner blanks, tabs, trailing characters, an empty text) fails. A
// fraction is rounded half to even (2.5 gives 2); nullopt when the text is not one number or
// the result lies outside the int32 range.
std::optional<std::int32_t> ConvertToInt32(std::string_view Text);

} // namespace NumberReader
