#include "CColorModels.h"

#include "colormodels/ColorArithmetic.h"
#include "colormodels/SystemColors.h"
#include "common/ComponentError.h"
#include "common/Rounding.h"

#include <algorithm>
#include <string>

using Rounding::RoundToInt32;

namespace {

bool IsFraction(float value) {
    return value >= 0.0f && value <= 1.0f;
} // false for NaN

} // namespace

void CColorModels::SetHueMax(std::int32_t Value) {
    // In 64 bits, so that Value + 1 cannot overflow.
    const std::int64_t steps = std::int64_t{Value} + 1;
    if (steps % 6 != 0 || steps < 6 || steps > 6144) {
        RaiseInvalidParameter("HueMax");
    }
    mHueSegment = static_cast<std::int32_t>(steps / 6);
    mHueMax = Value;
    ResetComponents();
}

void CColorModels::SetRGBMax(std::int32_t Value) {
    if (Value < 1 || Value > 1023) {
        RaiseInvalidParameter("RGBMax");
    }
    mRGBMax = Value;
    ResetComponents();
}

void CColorModels::SetHSB_Sat(float Value) {
    if (!IsFraction(Value)) {
        RaiseInvalidParameter("HSB_Sat");
    }
    mSat = Value;
    UpdateRGBFromHSB();
}

void CColorModels::SetHSB_Bright(float Value) {
    if (!IsFraction(Value)) {
        RaiseInvalidParameter("HSB_Bright");
    }
    mBright = Value;
    UpdateRGBFromHSB();
}

void CColorModels::SetHSB_Hue(std::int32_t Value) {
    if (Value < 0 || Value > mHueMax) {
        RaiseInvalidParameter("HSB_Hue");
    }
    mHue = Value;
    UpdateRGBFromHSB();
}

void CColorModels::GetHSB(std::int32_t& Hue, float& Sat, float& Bright) const {
    Hue = mHue;
    Sat = mSat;
    Bright = mBright;
}

void CColorModels::SetHSB(std::int32_t Hue, float Sat, float Bright) {
    if (Hue < 0 || Hue > mHueMax || !IsFraction(Sat) || !IsFraction(Bright)) {
        RaiseInvalidParameter("SetHSB");
    }
    mHue = Hue;
    mSat = Sat;
    mBright = Bright;
    UpdateRGBFromHSB();
}

void CColorModels::GetRGB(std::int32_t& Red, std::int32_t& Green, std::int32_t& Blue) const {
    Red = mRed;
    Green = mGreen;
    Blue = mBlue;
}

void CColorModels::SetRGB(std::int32_t Red, std::int32_t Green, std::int32_t Blue) {
    const auto inRange = [this](std::int32_t c) { return c >= 0 && c <= mRGBMax; };
    if (!inRange(Red) || !inRange(Green) || !inRange(Blue)) {
        RaiseInvalidParameter("SetRGB");
    }
    mRed = Red;
    mGreen = Green;
    mBlue = Blue;
    UpdateHSBFromRGB();
}

std::int32_t CColorModels::GrayValue(bool UseITUStandard) const {
    const double g = ColorArithmetic::WeightedGray(mRed, mGreen, mBlue, UseITUStandard);
    return std::min(RoundToInt32(g), mRGBMax);
}

OLE_COLOR CColorModels::RGB_OLE_COLOR() const {
    if (mRGBMax != 255) {
        RaiseInvalidParameter("RGB_OLE_COLOR");
    }
    return OleColor::Rgb(mRed, mGreen, mBlue);
}

void CColorModels::SetRGB_OLE_COLOR(OLE_COLOR Value) {
    const auto rgb = SystemColors::OleTranslateColor(Value);
    if (mRGBMax != 255 || !rgb) {
        RaiseInvalidParameter("RGB_OLE_COLOR");
    }
    mRed = *rgb & 0xFF;
    mGreen = (*rgb >> 8) & 0xFF;
    mBlue = (*rgb >> 16) & 0xFF;
    UpdateHSBFromRGB();
}

void CColorModels::UpdateHSBFromRGB() {
    const auto hsb = ColorArithmetic::HsbFromRgb(mRed, mGreen, mBlue, mRGBMax, mHueSegment, mHueMax);
    mHue = hsb.Hue;
    mSat = hsb.Sat;
    mBright = hsb.Bright;
}

void CColorModels::UpdateRGBFromHSB() {
    const auto rgb = ColorArithmetic::RgbFromHsb(mHue, mSat, mBright, mRGBMax, mHueSegment);
    mRed = rgb.Red;
    mGreen = rgb.Green;
    mBlue = rgb.Blue;
}

void CColorModels::ResetComponents() {
    mHue = 0;
    mSat = 0.0f;
    mBright = 0.0f;
    mRed = 0;
    mGreen = 0;
    mBlue = 0;
}

void CColorModels::RaiseInvalidParameter(std::string_view Member) {
    throw ComponentError(ComponentError::InvalidParameter, "CColourModels." + std::string(Member),
                         "Invalid parameter.\r\n");
}
