#include "contrast/modContrast.h"

#include <gtest/gtest.h>

using namespace modContrast;

namespace {

constexpr OLE_COLOR kBlack = 0x000000;
constexpr OLE_COLOR kWhite = 0xFFFFFF;
constexpr OLE_COLOR kRed = 0x0000FF;
constexpr OLE_COLOR kGreen = 0x00FF00;
constexpr OLE_COLOR kBlue = 0xFF0000;
constexpr OLE_COLOR kStart = 0x8BD9FE; // #FED98B

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
    {"StartBaseOnDimmed", kStart, 0xCAEEFF, "1.18:1"},                        // on #FFEECA
    {"StartBaseOnContrast", kStart, 0xFF5100, "4.28:1"},                      // on #0051FF
    {"SystemColorIsTranslated", OleColor::SystemColor(5), kBlack, "21.00:1"}, // classic window: white
};
INSTANTIATE_TEST_SUITE_P(modContrast, Ratios, testing::ValuesIn(kRatios),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FormatRatio, NeverRoundsUp) {
    EXPECT_EQ(std::tuple(FormatRatio(21.0), FormatRatio(4.4781), FormatRatio(3.9985)),
              std::tuple("21.00:1", "4.47:1", "3.99:1"));
}

// Each verdict passes at its threshold and fails just below it.
TEST(Passes, AThresholdItselfPasses) {
    const double thresholds[] = {4.5, 3.0, 7.0, 4.5, 3.0}; // AA, AA large, AAA, AAA large, Non-text
    for (std::size_t i = 0; i < std::size(thresholds); ++i) {
        EXPECT_TRUE(Passes(thresholds[i], kVerdicts[i]) && !Passes(thresholds[i] - 0.0001, kVerdicts[i]))
            << kVerdicts[i].Heading;
    }
}

struct VisionRow {
    const char* name;
    Vision vision;
    OLE_COLOR red, green, blue, start; // as seen, BBGGRR
};

class Simulations : public testing::TestWithParam<VisionRow> {};

TEST_P(Simulations, OfRedGreenBlueAndTheStartColor) {
    const VisionRow& row = GetParam();
    EXPECT_EQ(std::tuple(SimulateVision(kRed, row.vision), SimulateVision(kGreen, row.vision),
                         SimulateVision(kBlue, row.vision), SimulateVision(kStart, row.vision)),
              std::tuple(row.red, row.green, row.blue, row.start));
}

// Written as #RRGGBB: protanopia #6D5F00 #FFE500 #0059FF #EBD885, and so on.
const VisionRow kSimulations[] = {
    {"Typical", Vision::Typical, kRed, kGreen, kBlue, kStart},
    {"Protanopia", Vision::Protanopia, 0x005F6D, 0x00E5FF, 0xFF5900, 0x85D8EB},
    {"Deuteranopia", Vision::Deuteranopia, 0x0090A3, 0x3AD6EF, 0xFB3D00, 0x8DE1F4},
    {"Tritanopia", Vision::Tritanopia, 0x0F00FF, 0xD9F700, 0x966B00, 0xC6CCFF},
    {"Achromatopsia", Vision::Achromatopsia, 0x7F7F7F, 0xDCDCDC, 0x4C4C4C, 0xDDDDDD},
};
INSTANTIATE_TEST_SUITE_P(modContrast, Simulations, testing::ValuesIn(kSimulations),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SimulateVision, TypicalVisionTranslatesASystemColor) {
    EXPECT_EQ(SimulateVision(OleColor::SystemColor(15), Vision::Typical), 0xC8D0D4); // classic button face
}

// ToComponent undoes ToLinear for every component, so an unchanged colour stays exact.
TEST(ToComponent, InvertsToLinearForEveryComponent) {
    for (int c = 0; c <= 255; ++c) {
        ASSERT_EQ(ToComponent(ToLinear(c)), c);
    }
    EXPECT_EQ(std::tuple(ToComponent(-0.5), ToComponent(2.0)), std::tuple(0, 255));
}

// Colours as BBGGRR.
TEST(LegibleColor, KeepsTheDesignedColorOrTheNearestOfItsHueThatReachesTheRatio) {
    EXPECT_EQ(LegibleColor(0xC00000, 0xFFFFFF, 4.5), 0xC00000); // dark blue on white: 11.92:1
    EXPECT_EQ(LegibleColor(0xC00000, 0x2D2D2D, 4.5), 0xE28B8B); // mixed with white: #8B8BE2, 4.51:1
    EXPECT_EQ(LegibleColor(0x808080, 0xC0C0C0, 3.0), 0x696969); // mixed with black: 3.01:1
    EXPECT_EQ(LegibleColor(0x808080, 0x787878, 4.5), 0x090909); // white falls short, black reaches it
    EXPECT_EQ(LegibleColor(0xC00000, 0x767676, 7.0), 0x000000); // neither does: the stronger extreme
}

} // namespace
