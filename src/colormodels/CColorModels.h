#pragma once

#include "common/OleColor.h"

#include <cstdint>
#include <string_view>

// One colour held in two forms at once: integer red, green and blue on a scale of 0..RGBMax,
// and an integer hue on 0..HueMax with saturation and brightness as single-precision fractions
// 0..1. Every successful change of one form recomputes the other; the form that was set stays
// exactly as set.
//
// Invalid arguments throw ComponentError with number 5, source "CColourModels.<member>" and
// description "Invalid parameter." CR LF. Validation comes before any change, so a rejected
// call leaves the whole object as it was.
class CColorModels {
public:
    CColorModels() = default;

    // Largest hue; HueMax + 1 is a multiple of 6 from 6 to 6144 (5, 11, ... 6143). Setting it
    // resets the colour to black. Default 359.
    std::int32_t HueMax() const { return mHueMax; }
    void SetHueMax(std::int32_t Value);

    // Largest component, 1..1023. Setting it resets the colour to black. Default 255.
    std::int32_t RGBMax() const { return mRGBMax; }
    void SetRGBMax(std::int32_t Value);

    // Saturation and brightness, 0..1 both ends included (NaN is invalid).
    float HSB_Sat() const { return mSat; }
    void SetHSB_Sat(float Value);
    float HSB_Bright() const { return mBright; }
    void SetHSB_Bright(float Value);

    // Hue, 0..HueMax.
    std::int32_t HSB_Hue() const { return mHue; }
    void SetHSB_Hue(std::int32_t Value);

    void GetHSB(std::int32_t& Hue, float& Sat, float& Bright) const;
    // All three are checked before any is stored.
    void SetHSB(std::int32_t Hue, float Sat, float Bright);

    std::int32_t RGB_Red() const { return mRed; }
    std::int32_t RGB_Green() const { return mGreen; }
    std::int32_t RGB_Blue() const { return mBlue; }

    void GetRGB(std::int32_t& Red, std::int32_t& Green, std::int32_t& Blue) const;
    // Each component 0..RGBMax, all checked before any is stored.
    void SetRGB(std::int32_t Red, std::int32_t Green, std::int32_t Blue);

    // Weighted grey value of the RGB colour, capped at RGBMax: ITU weights 0.222/0.707/0.071
    // when UseITUStandard, else 0.2989/0.5866/0.1145.
    std::int32_t GrayValue(bool UseITUStandard) const;

    // The colour as 0x00BBGGRR; only when RGBMax is 255. The setter translates a system colour
    // (high byte 0x80) to its current RGB first; an untranslatable value is invalid.
    OLE_COLOR RGB_OLE_COLOR() const;
    void SetRGB_OLE_COLOR(OLE_COLOR Value);

private:
    void UpdateHSBFromRGB();
    void UpdateRGBFromHSB();
    void ResetComponents();
    [[noreturn]] static void RaiseInvalidParameter(std::string_view Member);

    std::int32_t mHueSegment = 60;
    std::int32_t mHueMax = 359;
    std::int32_t mHue = 0;
    float mSat = 0.0f;
    float mBright = 0.0f;
    std::int32_t mRGBMax = 255;
    std::int32_t mRed = 0;
    std::int32_t mGreen = 0;
    std::int32_t mBlue = 0;
};
