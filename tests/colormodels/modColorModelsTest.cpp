#include "colormodels/modColorModels.h"

#include "support/ByName.h"

#include <gtest/gtest.h>
#include <limits>

using namespace modColorModels;

namespace {

constexpr OLE_COLOR kRed = 0x0000FF;
constexpr OLE_COLOR kCyan = 0xFFFF00;
constexpr OLE_COLOR kWhite = 0xFFFFFF;
constexpr OLE_COLOR kMidGrey = 0x808080;

TEST(JoinRGB, RepairsComponents) {
    EXPECT_EQ(JoinRGB(-10, 300, 7), 10 + 256 * 255 + 65536 * 7);
    EXPECT_EQ(JoinRGB(std::numeric_limits<std::int32_t>::min(), 0, 0), 255);
    EXPECT_EQ(JoinRGB(1, 2, 3), 0x030201);
}

TEST(SplitRGB, TranslatesFirst) {
    std::int32_t r = -1, g = -1, b = -1;
    SplitRGB(0x123456, r, g, b);
    EXPECT_EQ(r, 0x56);
    EXPECT_EQ(g, 0x34);
    EXPECT_EQ(b, 0x12);
    SplitRGB(OleColor::SystemColor(15), r, g, b); // classic button face
    EXPECT_EQ(r, 212);
    EXPECT_EQ(g, 208);
    EXPECT_EQ(b, 200);
    SplitRGB(OleColor::SystemColor(99), r, g, b); // untranslatable: black
    EXPECT_EQ(r + g + b, 0);
}

TEST(GrayValueOfColor, WeightSets) {
    EXPECT_EQ(GrayValueOfColor(kWhite, true), 255);
    EXPECT_EQ(GrayValueOfColor(kWhite, false), 255);
    EXPECT_EQ(GrayValueOfColor(0x00FF00, true), 180);  // 180.285
    EXPECT_EQ(GrayValueOfColor(0x00FF00, false), 150); // 149.583
    EXPECT_EQ(GrayValueOfColor(0, false), 0);
}

TEST(HSBToRGB, SectorsOutsideTheCircleGiveBlack) {
    EXPECT_EQ(HSBToRGB({360, 1.0f, 1.0f}), 0);
    EXPECT_EQ(HSBToRGB({-60, 1.0f, 1.0f}), 0);
    EXPECT_EQ(HSBToRGB({std::numeric_limits<std::int32_t>::min(), 1.0f, 1.0f}), 0);
    // -1 truncates into sector 0 with f = -1/60: green = V - (61/60) D = -4.25, repaired to 4.
    EXPECT_EQ(HSBToRGB({-1, 1.0f, 1.0f}), JoinRGB(255, 4, 0));
}

TEST(HSBToRGB, OutOfRangeFractionsStillGiveAPlainColour) {
    EXPECT_EQ(HSBToRGB({0, 1.0f, 2.0f}), JoinRGB(255, 0, 0));
    EXPECT_EQ(HSBToRGB({0, -1.0f, 1.0f}), kWhite);
    const float odd[] = {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN(), 1e30f, -1e30f};
    for (float sat : odd) {
        for (float bright : odd) {
            EXPECT_EQ(HSBToRGB({0, sat, bright}) & ~0xFFFFFF, 0) << sat << " " << bright;
        }
    }
}

struct DimCase {
    const char* name;
    OLE_COLOR color;
    float factor;
    OLE_COLOR expected;
};

class DimColorTest : public testing::TestWithParam<DimCase> {};

TEST_P(DimColorTest, Gives) {
    EXPECT_EQ(DimColor(GetParam().color, GetParam().factor), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DimColorTest,
    testing::Values(
        // Outside +-0.5 the argument comes back exactly, even a system colour.
        DimCase{"TooLargeFactorUntouched", 0x123456, 0.6f, 0x123456},
        DimCase{"TooSmallFactorUntouched", 0x123456, -0.51f, 0x123456},
        DimCase{"SystemColourUntouched", OleColor::SystemColor(15), 0.6f, OleColor::SystemColor(15)},
        DimCase{"NaNUntouched", 0x123456, std::numeric_limits<float>::quiet_NaN(), 0x123456},
        // White: Bright 1 + 0.2 overflows; Sat 0 - 0.25 goes below 0.05 and falls back to 0.
        DimCase{"WhiteStaysWhite", kWhite, 0.2f, kWhite},
        // Red: saturated and bright, so 0.1 becomes 0.15; Sat 0.8125, D 207.1875.
        DimCase{"RedLightened", kRed, 0.1f, JoinRGB(255, 48, 48)},
        // Black: Bright 0.05, Sat 0.3125 at hue 0: V 12.75, D 3.984375.
        DimCase{"BlackDarkened", 0, -0.2f, JoinRGB(13, 9, 9)},
        DimCase{"HalfIsApplied", kMidGrey, 0.5f, kWhite},
        DimCase{"MinusHalfIsApplied", kWhite, -0.5f, JoinRGB(128, 128, 128)},
        DimCase{"ZeroKeepsTheColour", kMidGrey, 0.0f, kMidGrey},
        DimCase{"SystemColourIsTranslated", OleColor::SystemColor(5), -0.5f, JoinRGB(128, 128, 128)},
        // Grey 0x404040 darkened below 0.05: Bright 0.05, Sat 0 + shortfall * 1.25.
        DimCase{"DarkGreyGainsSaturation", 0x404040, -0.3f, JoinRGB(13, 11, 11)}),
    ByName());

struct ContrastCase {
    const char* name;
    OLE_COLOR color;
    bool full;
    OLE_COLOR expected;
};

class ShiftHueTest : public testing::TestWithParam<ContrastCase> {};

TEST_P(ShiftHueTest, Gives) {
    EXPECT_EQ(ContrastShiftHue(GetParam().color, GetParam().full), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ShiftHueTest,
                         testing::Values(ContrastCase{"FullRed", kRed, true, kCyan},
                                         ContrastCase{"FullGrey", kMidGrey, true, kCyan},
                                         ContrastCase{"FullBlack", 0, true, kCyan},
                                         ContrastCase{"FullWhite", kWhite, true, kCyan},
                                         ContrastCase{"PartialBlack", 0, false, kMidGrey},
                                         ContrastCase{"PartialWhite", kWhite, false, kMidGrey},
                                         ContrastCase{"PartialRed", kRed, false, kCyan},
                                         // Bright 77 / 255 -> +0.5, V = 204.5000153 in single precision
                                         ContrastCase{"PartialDarkGrey", 0x4D4D4D, false, 0xCDCDCD}),
                         ByName());

TEST(ContrastBitMethods, WorkOnTheValueAsPassed) {
    EXPECT_EQ(ContrastNegate(0x123456, 0x777777), 0xEDCBA9);
    EXPECT_EQ(ContrastXorWithMask(0x7F123456, 0), 0x123456);
    EXPECT_EQ(ContrastXorWithMask(0x123456, 0xFFFFFF), 0xEDCBA9);
    EXPECT_EQ(ContrastAndWithMask(0x123456, 0x0F0F0F), 0x020406);
    EXPECT_EQ(ContrastCopyMask(0x123456, OleColor::FromBits(0xFFABCDEF)), 0xABCDEF);
    // A system colour is not translated by the bit methods.
    EXPECT_EQ(ContrastNegate(OleColor::SystemColor(5), 0), 0xFFFFFA);
}

TEST(ContrastBlackAndWhite, ThresholdOnItuGrey) {
    EXPECT_EQ(ContrastBlackAndWhite(kMidGrey, 128), 0);      // grey exactly 128: black
    EXPECT_EQ(ContrastBlackAndWhite(0x7F7F7F, 128), kWhite); // 127: white
    EXPECT_EQ(ContrastBlackAndWhite(0x00FF00, 181), kWhite); // ITU 180, not the default 150
    EXPECT_EQ(ContrastBlackAndWhite(0x00FF00, 151), 0);
}

} // namespace
