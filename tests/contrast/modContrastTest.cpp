#include "contrast/modContrast.h"

#include "support/ByName.h"

#include <gtest/gtest.h>

using namespace modContrast;

namespace {

constexpr OLE_COLOR kBlack = 0x000000;
constexpr OLE_COLOR kWhite = 0xFFFFFF;
constexpr OLE_COLOR kRed = 0x0000FF;
constexpr OLE_COLOR kGreen = 0x00FF00;
constexpr OLE_COLOR kBlue = 0xFF0000;
constexpr OLE_COLOR kStart = 0x8BD9FE;    // #FED98B
constexpr OLE_COLOR kDimmed = 0xCAEEFF;   // #FFEECA
constexpr OLE_COLOR kContrast = 0xFF5100; // #0051FF

struct RatioRow {
    const char* name;
    OLE_COLOR text, background;
    const char* ratio;
};

class Ratios : public testing::TestWithParam<RatioRow> {};

TEST_P(Ratios, AreCutToTwoDecimals) {
    const RatioRow& row = GetParam();
    EXPECT_EQ(FormatRatio(ContrastRatio(row.text, row.background)), row.ratio);
    EXPECT_EQ(FormatRatio(ContrastRatio(row.background, row.text)), row.ratio);
}

const RatioRow kRatios[] = {
    {"BlackOnWhite", kBlack, kWhite, "21.00:1"},
    {"Grey777777OnWhite", 0x777777, kWhite, "4.47:1"},
    {"Grey767676OnWhite", 0x767676, kWhite, "4.54:1"},
    {"RedOnWhite", kRed, kWhite, "3.99:1"},
    {"EqualColors", kStart, kStart, "1.00:1"},
    {"StartBaseOnDimmed", kStart, kDimmed, "1.18:1"},
    {"StartBaseOnContrast", kStart, kContrast, "4.28:1"},
    {"SystemColorIsTranslated", OleColor::SystemColor(5), kBlack, "21.00:1"}, // classic window: white
};
INSTANTIATE_TEST_SUITE_P(modContrast, Ratios, testing::ValuesIn(kRatios), ByName());

TEST(FormatRatio, NeverRoundsUp) {
    EXPECT_EQ(FormatRatio(21.0), "21.00:1");
    EXPECT_EQ(FormatRatio(4.4781), "4.47:1");
    EXPECT_EQ(FormatRatio(3.9985), "3.99:1");
    EXPECT_EQ(FormatRatio(4.5), "4.50:1");
}

TEST(Passes, AThresholdItselfPasses) {
    const Verdict& aa = kVerdicts[0];
    const Verdict& aaLarge = kVerdicts[1];
    const Verdict& aaa = kVerdicts[2];
    EXPECT_TRUE(Passes(4.5, aa));
    EXPECT_FALSE(Passes(4.4999, aa));
    EXPECT_TRUE(Passes(3.0, aaLarge));
    EXPECT_FALSE(Passes(6.9999, aaa));
    EXPECT_TRUE(Passes(7.0, aaa));
}

struct VisionRow {
    const char* name;
    Vision vision;
    OLE_COLOR red, green, blue, start; // as seen, BBGGRR
};

class Simulations : public testing::TestWithParam<VisionRow> {};

TEST_P(Simulations, OfRedGreenBlueAndTheStartColor) {
    const VisionRow& row = GetParam();
    EXPECT_EQ(SimulateVision(kRed, row.vision), row.red);
    EXPECT_EQ(SimulateVision(kGreen, row.vision), row.green);
    EXPECT_EQ(SimulateVision(kBlue, row.vision), row.blue);
    EXPECT_EQ(SimulateVision(kStart, row.vision), row.start);
}

// Written as #RRGGBB: protanopia #6D5F00 #FFE500 #0059FF #EBD885, and so on.
const VisionRow kSimulations[] = {
    {"Typical", Vision::Typical, kRed, kGreen, kBlue, kStart},
    {"Protanopia", Vision::Protanopia, 0x005F6D, 0x00E5FF, 0xFF5900, 0x85D8EB},
    {"Deuteranopia", Vision::Deuteranopia, 0x0090A3, 0x3AD6EF, 0xFB3D00, 0x8DE1F4},
    {"Tritanopia", Vision::Tritanopia, 0x0F00FF, 0xD9F700, 0x966B00, 0xC6CCFF},
    {"Achromatopsia", Vision::Achromatopsia, 0x7F7F7F, 0xDCDCDC, 0x4C4C4C, 0xDDDDDD},
};
INSTANTIATE_TEST_SUITE_P(modContrast, Simulations, testing::ValuesIn(kSimulations), ByName());

TEST(SimulateVision, TypicalVisionTranslatesASystemColor) {
    EXPECT_EQ(SimulateVision(OleColor::SystemColor(15), Vision::Typical), 0xC8D0D4); // classic button face
}

// ToComponent undoes ToLinear for every component, so an unchanged colour stays exact.
TEST(ToComponent, InvertsToLinearForEveryComponent) {
    for (int c = 0; c <= 255; ++c) {
        ASSERT_EQ(ToComponent(ToLinear(c)), c);
    }
    EXPECT_EQ(ToComponent(-0.5), 0);
    EXPECT_EQ(ToComponent(2.0), 255);
}

} // namespace
