#pragma once

#include <cstdint>
#include <optional>

// The numeric rules every part of Tintrix shares. Each conversion of a computed floating-point
// value to an integer rounds to the nearest integer with an exact half going to the even
// neighbour, and "rounded to single precision" means the nearest float.
namespace Rounding {

// Nearest integer as a double, halves to even: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2, 127.5 -> 128, -2.5 -> -2.
// NaN and infinities come back unchanged. Independent of the floating-point rounding mode.
double RoundHalfEven(double x);

// RoundHalfEven as a 32-bit integer; nullopt when x is NaN or the result lies outside the
// int32 range (the "overflow" of a checked conversion).
std::optional<std::int32_t> TryRoundToInt32(double x);

// RoundHalfEven as a 32-bit integer, saturating at the int32 limits; NaN gives 0. For values
// whose range a caller repairs afterwards anyway (colour components are clamped to 0..255).
std::int32_t RoundToInt32(double x);

// The nearest single-precision value (ties to even).
constexpr float ToSingle(double x) {
    return static_cast<float>(x);
}

} // namespace Rounding
