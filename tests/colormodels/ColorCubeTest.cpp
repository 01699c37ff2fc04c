// Properties over all 16,777,216 RGB colours.
#include "colormodels/CColorModels.h"
#include "colormodels/modColorModels.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace modColorModels;

namespace {

constexpr OLE_COLOR kColours = 1 << 24;

int Channel(OLE_COLOR c, int shift) {
    return (c >> shift) & 0xFF;
}

int LargestComponentError(OLE_COLOR a, OLE_COLOR b) {
    int worst = 0;
    for (int shift : {0, 8, 16}) {
        worst = std::max(worst, std::abs(Channel(a, shift) - Channel(b, shift)));
    }
    return worst;
}

TEST(ColourCube, HsbRoundTripStaysWithinTwoUnits) {
    int failures = 0;
    OLE_COLOR firstFailure = -1;
    for (OLE_COLOR c = 0; c < kColours; ++c) {
        HSBValues hsb;
        RGBToHSB(c, hsb);
        if (hsb.Hue < 0 || hsb.Hue > 359 || LargestComponentError(HSBToRGB(hsb), c) > 2) {
            if (failures++ == 0) {
                firstFailure = c;
            }
        }
    }
    EXPECT_EQ(failures, 0) << "first at " << std::hex << firstFailure;
}

TEST(ColourCube, GreysComeBackExactly) {
    for (int level = 0; level < 256; ++level) {
        const OLE_COLOR grey = JoinRGB(level, level, level);
        HSBValues hsb;
        RGBToHSB(grey, hsb);
        EXPECT_EQ(hsb.Sat, 0.0f);
        EXPECT_EQ(hsb.Hue, 0);
        ASSERT_EQ(HSBToRGB(hsb), grey) << level;
    }
}

TEST(ColourCube, ColourModelAgreesWithTheModuleFromRgb) {
    CColorModels model;
    int failures = 0;
    OLE_COLOR firstFailure = -1;
    for (OLE_COLOR c = 0; c < kColours; ++c) {
        HSBValues expected;
        RGBToHSB(c, expected);
        model.SetRGB(c & 0xFF, (c >> 8) & 0xFF, c >> 16);
        std::int32_t hue = 0;
        float sat = 0, bright = 0;
        model.GetHSB(hue, sat, bright);
        if (hue != expected.Hue || sat != expected.Sat || bright != expected.Bright ||
            model.GrayValue(true) != GrayValueOfColor(c, true)) {
            if (failures++ == 0) {
                firstFailure = c;
            }
        }
    }
    EXPECT_EQ(failures, 0) << "first at " << std::hex << firstFailure;
}

TEST(ColourCube, ColourModelAgreesWithTheModuleFromHsb) {
    CColorModels model;
    int failures = 0;
    OLE_COLOR firstFailure = -1;
    for (OLE_COLOR c = 0; c < kColours; ++c) {
        HSBValues hsb;
        RGBToHSB(c, hsb);
        model.SetHSB(hsb.Hue, hsb.Sat, hsb.Bright);
        if (model.RGB_OLE_COLOR() != HSBToRGB(hsb)) {
            if (failures++ == 0) {
                firstFailure = c;
            }
        }
    }
    EXPECT_EQ(failures, 0) << "first at " << std::hex << firstFailure;
}

} // namespace
