#include "colormodels/CColorModels.h"

#include "common/ComponentError.h"
#include "support/ByName.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

struct Snapshot {
    std::int32_t hueMax, rgbMax, hue, red, green, blue;
    float sat, bright;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const CColorModels& m) {
    return {m.HueMax(),    m.RGBMax(),   m.HSB_Hue(), m.RGB_Red(),
            m.RGB_Green(), m.RGB_Blue(), m.HSB_Sat(), m.HSB_Bright()};
}

// Runs `call`, expects the class's error naming `member`, and that the object did not change.
void ExpectRejected(CColorModels& m, const std::string& member, const std::function<void()>& call) {
    const Snapshot before = Take(m);
    try {
        call();
        ADD_FAILURE() << member << ": no error raised";
    } catch (const ComponentError& e) {
        EXPECT_EQ(e.Number(), 5);
        EXPECT_EQ(e.Source(), "CColourModels." + member);
        EXPECT_EQ(e.Description(), "Invalid parameter.\r\n");
    }
    EXPECT_EQ(Take(m), before) << member << " changed the object although it failed";
}

CColorModels Colored(std::int32_t r, std::int32_t g, std::int32_t b) {
    CColorModels m;
    m.SetRGB(r, g, b);
    return m;
}

TEST(CColorModels, NewObjectIsBlackOnDefaultScales) {
    const CColorModels m;
    EXPECT_EQ(Take(m), (Snapshot{359, 255, 0, 0, 0, 0, 0.0f, 0.0f}));
    EXPECT_EQ(m.RGB_OLE_COLOR(), 0);
}

struct HueCase {
    const char* name;
    std::int32_t r, g, b;
    std::int32_t hue;
};

class HueFromRgbTest : public testing::TestWithParam<HueCase> {};

TEST_P(HueFromRgbTest, GivesHue) {
    const auto& c = GetParam();
    EXPECT_EQ(Colored(c.r, c.g, c.b).HSB_Hue(), c.hue);
}

// Ties for the maximum take red before green before blue; the exact halves come from deltas
// that divide exactly (128) and go to the even neighbour.
INSTANTIATE_TEST_SUITE_P(
    Table, HueFromRgbTest,
    testing::Values(HueCase{"Red", 255, 0, 0, 0}, HueCase{"Blue", 0, 0, 255, 240},
                    HueCase{"RedTiesBlue", 255, 0, 255, 300}, HueCase{"RedTiesGreen", 255, 255, 0, 60},
                    HueCase{"GreenTiesBlue", 0, 255, 255, 180}, HueCase{"RedHalfDown", 128, 16, 0, 8},
                    HueCase{"RedHalfEven", 128, 48, 0, 22}, HueCase{"RedNegativeHalf", 128, 0, 16, 352},
                    HueCase{"RedNegativeHalfEven", 128, 0, 48, 338}, HueCase{"GreenHalf", 0, 128, 16, 128},
                    HueCase{"BlueHalf", 16, 0, 128, 248}, HueCase{"BlueHalfEven", 48, 0, 128, 262},
                    HueCase{"Grey", 128, 128, 128, 0}),
    ByName());

TEST(CColorModels, RgbGivesSaturationAndBrightnessInSinglePrecision) {
    const CColorModels red = Colored(255, 0, 0);
    EXPECT_EQ(red.HSB_Sat(), 1.0f);
    EXPECT_EQ(red.HSB_Bright(), 1.0f);
    const CColorModels grey = Colored(128, 128, 128);
    EXPECT_EQ(grey.HSB_Sat(), 0.0f);
    EXPECT_EQ(grey.HSB_Bright(), static_cast<float>(128.0 / 255.0));
}

struct RgbCase {
    const char* name;
    std::int32_t hue;
    float sat, bright;
    std::int32_t r, g, b;
};

class RgbFromHsbTest : public testing::TestWithParam<RgbCase> {};

TEST_P(RgbFromHsbTest, GivesComponents) {
    const auto& c = GetParam();
    CColorModels m;
    m.SetHSB(c.hue, c.sat, c.bright);
    EXPECT_EQ(m.RGB_Red(), c.r);
    EXPECT_EQ(m.RGB_Green(), c.g);
    EXPECT_EQ(m.RGB_Blue(), c.b);
}

INSTANTIATE_TEST_SUITE_P(Table, RgbFromHsbTest,
                         testing::Values(RgbCase{"HalfGreyRoundsUp", 0, 0.0f, 0.5f, 128, 128, 128},
                                         RgbCase{"OrangeGreenHalfToEven", 30, 1.0f, 1.0f, 255, 128, 0},
                                         RgbCase{"LastHueInSectorFive", 359, 1.0f, 1.0f, 255, 0, 4},
                                         RgbCase{"SectorTwo", 150, 1.0f, 1.0f, 0, 255, 128},
                                         RgbCase{"SectorThree", 200, 0.5f, 0.8f, 102, 170, 204},
                                         RgbCase{"SectorFour", 270, 1.0f, 1.0f, 128, 0, 255},
                                         RgbCase{"Black", 120, 1.0f, 0.0f, 0, 0, 0}),
                         ByName());

TEST(CColorModels, TheFormThatWasSetStays) {
    CColorModels m;
    m.SetHSB(120, 0.0f, 0.5f); // a grey with a hue
    EXPECT_EQ(m.HSB_Hue(), 120);
    EXPECT_EQ(m.RGB_Green(), 128);
    m.SetRGB(m.RGB_Red(), m.RGB_Green(), m.RGB_Blue()); // the same grey through RGB
    EXPECT_EQ(m.HSB_Hue(), 0);

    m.SetHSB_Sat(1.0f); // hue 0, bright 0.5, now red
    EXPECT_EQ(m.RGB_Red(), 128);
    EXPECT_EQ(m.RGB_Green(), 0);
    m.SetHSB_Hue(240);
    m.SetHSB_Bright(1.0f);
    EXPECT_EQ(m.RGB_OLE_COLOR(), 0xFF0000);
}

TEST(CColorModels, LargerScales) {
    CColorModels m;
    m.SetRGBMax(1023);
    m.SetHSB(0, 1.0f, 1.0f);
    EXPECT_EQ(m.RGB_Red(), 1023);
    m.SetHueMax(5); // one step per sector
    m.SetRGB(0, 1023, 0);
    EXPECT_EQ(m.HSB_Hue(), 2);
    m.SetHueMax(6143);
    m.SetRGB(0, 0, 1023);
    EXPECT_EQ(m.HSB_Hue(), 4096);
}

TEST(CColorModels, ChangingAScaleResetsTheColour) {
    CColorModels m = Colored(10, 20, 30);
    m.SetHueMax(5);
    EXPECT_EQ(Take(m), (Snapshot{5, 255, 0, 0, 0, 0, 0.0f, 0.0f}));
    m.SetRGB(10, 20, 30);
    m.SetRGBMax(1023);
    EXPECT_EQ(Take(m), (Snapshot{5, 1023, 0, 0, 0, 0, 0.0f, 0.0f}));
}

TEST(CColorModels, RejectsOutOfRangeScales) {
    CColorModels m = Colored(10, 20, 30);
    for (std::int32_t v : {6, 0, 6149, -1, 4, std::numeric_limits<std::int32_t>::max(),
                           std::numeric_limits<std::int32_t>::min()}) {
        ExpectRejected(m, "HueMax", [&] { m.SetHueMax(v); });
    }
    for (std::int32_t v : {0, 1024, -1}) {
        ExpectRejected(m, "RGBMax", [&] { m.SetRGBMax(v); });
    }
    m.SetRGBMax(1);
    m.SetRGBMax(1023);
}

TEST(CColorModels, FractionsIncludeBothEndsOnly) {
    CColorModels m = Colored(10, 20, 30);
    m.SetHSB_Sat(1.0f);
    m.SetHSB_Sat(0.0f);
    m.SetHSB_Bright(1.0f);
    m.SetHSB_Bright(0.0f);
    for (float v : {-0.0001f, 1.0001f, std::numeric_limits<float>::quiet_NaN(),
                    std::numeric_limits<float>::infinity()}) {
        ExpectRejected(m, "HSB_Sat", [&] { m.SetHSB_Sat(v); });
        ExpectRejected(m, "HSB_Bright", [&] { m.SetHSB_Bright(v); });
    }
    ExpectRejected(m, "HSB_Hue", [&] { m.SetHSB_Hue(360); });
    ExpectRejected(m, "HSB_Hue", [&] { m.SetHSB_Hue(-1); });
}

TEST(CColorModels, RejectedSetsChangeNothing) {
    CColorModels m = Colored(10, 20, 30);
    ExpectRejected(m, "SetRGB", [&] { m.SetRGB(0, 0, 256); });
    ExpectRejected(m, "SetRGB", [&] { m.SetRGB(-1, 0, 0); });
    ExpectRejected(m, "SetHSB", [&] { m.SetHSB(100, 0.5f, 1.5f); });
    ExpectRejected(m, "SetHSB", [&] { m.SetHSB(360, 0.5f, 0.5f); });
    ExpectRejected(m, "SetHSB", [&] { m.SetHSB(100, std::numeric_limits<float>::quiet_NaN(), 0.5f); });
}

TEST(CColorModels, OleColourNeedsTheByteScale) {
    CColorModels m;
    m.SetRGBMax(256);
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { (void)m.RGB_OLE_COLOR(); });
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { m.SetRGB_OLE_COLOR(0x123456); });
}

TEST(CColorModels, OleColourTranslatesSystemColours) {
    CColorModels m;
    m.SetRGB_OLE_COLOR(0x123456);
    EXPECT_EQ(m.RGB_Red(), 0x56);
    EXPECT_EQ(m.RGB_Blue(), 0x12);
    EXPECT_EQ(m.RGB_OLE_COLOR(), 0x123456);
    m.SetRGB_OLE_COLOR(OleColor::SystemColor(15)); // button face of the classic table
    EXPECT_EQ(m.RGB_OLE_COLOR(), OleColor::Rgb(212, 208, 200));
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { m.SetRGB_OLE_COLOR(OleColor::SystemColor(31)); });
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { m.SetRGB_OLE_COLOR(OleColor::FromBits(0x01000005)); });
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { m.SetRGB_OLE_COLOR(-1); });
}

TEST(CColorModels, GrayValue) {
    EXPECT_EQ(Colored(255, 255, 255).GrayValue(false), 255);
    EXPECT_EQ(Colored(255, 255, 255).GrayValue(true), 255);
    EXPECT_EQ(Colored(0, 255, 0).GrayValue(true), 180);  // 180.285
    EXPECT_EQ(Colored(0, 255, 0).GrayValue(false), 150); // 149.583
    CColorModels m;
    m.SetRGBMax(1);
    m.SetRGB(1, 1, 1);
    EXPECT_EQ(m.GrayValue(false), 1);
}

} // namespace
