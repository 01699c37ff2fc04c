#include "CommaLocale.h"
#include "colormodels/modColorModels.h"
#include "namedcolors/modNamedColors.h"
#include "support/ByName.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

using namespace modNamedColors;

namespace {

// --- The RGB line and the HSV notation -------------------------------------------------------

struct LineCase {
    const char* name;
    OLE_COLOR color;
    std::int32_t mode;
    const char* expected;
};

class FormatColorTextTest : public testing::TestWithParam<LineCase> {};

TEST_P(FormatColorTextTest, WritesAlignedFields) {
    EXPECT_EQ(FormatColorText(GetParam().color, HSBValues{}, GetParam().mode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatColorTextTest,
    testing::Values(
        LineCase{"RedRGBLine", 0x0000FF, 0, "&H0000FF #FF0000 RGB(255,   0,   0)"},
        LineCase{"MixedRGBLine", 0xA05000, 0, "&HA05000 #0050A0 RGB(  0,  80, 160)"},
        LineCase{"SeaRGBLine", 0xAA8800, 0, "&HAA8800 #0088AA RGB(  0, 136, 170)"},
        LineCase{"GreyFullLine", 0x808080, 2, "&H808080 #808080 RGB(128, 128, 128) HSV(  0, 0.0000, 0.5020)"},
        LineCase{"BlackFullLine", 0x000000, 2,
                 "&H000000 #000000 RGB(  0,   0,   0) HSV(  0, 0.0000, 0.0000)"},
        LineCase{"RedFullLine", 0x0000FF, 2, "&H0000FF #FF0000 RGB(255,   0,   0) HSV(  0, 1.0000, 1.0000)"},
        LineCase{"BlueFullLine", 0xFF0000, 2, "&HFF0000 #0000FF RGB(  0,   0, 255) HSV(240, 1.0000, 1.0000)"},
        LineCase{"ModeThreeIsEmpty", 0x0000FF, 3, ""}, LineCase{"NegativeModeIsEmpty", 0x0000FF, -1, ""}),
    ByName());

TEST(FormatColorText, ModeOneWritesTheGivenTripleNotTheColor) {
    EXPECT_EQ(FormatColorText(0xFFFFFF, HSBValues{120, 0.5f, 0.25f}, 1), "HSV(120, 0.5000, 0.2500)");
    EXPECT_EQ(FormatHSVText(HSBValues{7, 1.0f, 0.0f}), "HSV(  7, 1.0000, 0.0000)");
    EXPECT_EQ(FormatHSVText(HSBValues{359, 0.12345f, 0.99999f}), "HSV(359, 0.1235, 1.0000)");
}

TEST(FormatColorText, FormatRGBTextIsModeZero) {
    for (OLE_COLOR c : {0x000000, 0x123456, 0xFFFFFF}) {
        EXPECT_EQ(FormatRGBText(c), FormatColorText(c, HSBValues{}, 0));
    }
}

TEST(FormatColorText, WritesASystemColorWithItsCurrentRGB) {
    const OLE_COLOR face = OleColor::FromBits(0x8000000F);
    const OLE_COLOR rgb = modColorModels::TranslateColor(face);
    EXPECT_EQ(FormatRGBText(face), FormatRGBText(rgb));
    EXPECT_EQ(FormatColorText(face, HSBValues{}, 2), FormatColorText(rgb, HSBValues{}, 2));
    EXPECT_EQ(FormatRGBText(face).find("8000000F"), std::string::npos);
}

TEST(FormatColorText, WritesAnUntranslatableValueAsBlack) {
    EXPECT_EQ(FormatRGBText(-1), "&H000000 #000000 RGB(  0,   0,   0)");
}

class FormatUnderACommaLocale : public CommaLocale {};

TEST_F(FormatUnderACommaLocale, StillWritesAPoint) {
    char printed[16];
    std::snprintf(printed, sizeof printed, "%.4f", 0.502);
    ASSERT_STREQ(printed, "0,5020"); // the locale is really in force
    EXPECT_EQ(FormatColorText(0x808080, HSBValues{}, 2),
              "&H808080 #808080 RGB(128, 128, 128) HSV(  0, 0.0000, 0.5020)");
    EXPECT_EQ(FormatHSVText(HSBValues{1234, 0.5f, 0.25f}), "HSV(234, 0.5000, 0.2500)");
    EXPECT_EQ(FormatHex(0x1234567, 6, true), "&H1234567");
}

// --- Hexadecimal digits and right alignment ----------------------------------------------------

struct HexCase {
    const char* name;
    std::int32_t value;
    std::int32_t minDigits;
    bool withPrefix;
    const char* expected;
};

class FormatHexTest : public testing::TestWithParam<HexCase> {};

TEST_P(FormatHexTest, PadsButNeverCuts) {
    const HexCase& c = GetParam();
    EXPECT_EQ(FormatHex(c.value, c.minDigits, c.withPrefix), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatHexTest,
    testing::Values(
        HexCase{"Five", 5, 2, false, "05"}, HexCase{"Zero", 0, 2, false, "00"},
        HexCase{"AtLeastTwoDigits", 10, 0, false, "0A"}, HexCase{"NegativeWidth", 1, -4, false, "01"},
        HexCase{"White", 0xFFFFFF, 6, true, "&HFFFFFF"}, HexCase{"Mask", 0xFF, 6, true, "&H0000FF"},
        HexCase{"SystemColor", OleColor::FromBits(0x80000005), 8, true, "&H80000005"},
        HexCase{"SevenDigitsNotCut", 0x1234567, 6, true, "&H1234567"},
        HexCase{"MinusOne", -1, 2, false, "FFFFFFFF"}, HexCase{"UpperCase", 0xABCDEF, 2, false, "ABCDEF"},
        HexCase{"WidePadding", 0x1F, 10, false, "000000001F"}),
    ByName());

TEST(AlignRight, PadsOnTheLeftOrKeepsTheLastCharacters) {
    EXPECT_EQ(AlignRight("7", 3), "  7");
    EXPECT_EQ(AlignRight("1234", 3), "234");
    EXPECT_EQ(AlignRight("", 2), "  ");
    EXPECT_EQ(AlignRight("abc", 3), "abc");
    EXPECT_EQ(AlignRight("abc", 0), "");
    EXPECT_EQ(AlignRight("abc", -2), "");
}

TEST(AlignRight, CountsCharactersNotBytes) {
    EXPECT_EQ(AlignRight("\xC3\xBC", 3), "  \xC3\xBC");                        // one character: two blanks
    EXPECT_EQ(AlignRight("a\xC3\xBC\xE2\x82\xAC", 2), "\xC3\xBC\xE2\x82\xAC"); // never half a character
}

} // namespace
