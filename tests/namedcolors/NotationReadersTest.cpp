#include "CommaLocale.h"
#include "namedcolors/modNamedColors.h"
#include "namedcolors/modTintrix.h"
#include "support/ByName.h"

#include <gtest/gtest.h>
#include <string>

using namespace modNamedColors;
using namespace modTintrix;

namespace {

const std::string kRed = "&H0000FF #FF0000 RGB(255,   0,   0)";

// --- ParseLong ----------------------------------------------------------------------------------

struct LongCase {
    const char* name;
    const char* text;
    std::int32_t expected;
};

class ParseLongTest : public testing::TestWithParam<LongCase> {};

TEST_P(ParseLongTest, ReadsAWholeNumberOrGivesZero) {
    EXPECT_EQ(ParseLong(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseLongTest,
    testing::Values(LongCase{"Letters", "xyz", 0}, LongCase{"Hex", "&HFF", 255},
                    LongCase{"Mask", "&H00FFFFFF", 0xFFFFFF}, LongCase{"Decimal", "123", 123},
                    LongCase{"SpacesAround", " 12 ", 12}, LongCase{"Empty", "", 0},
                    LongCase{"TrailingText", "12abc", 0}, LongCase{"HalfToEven", "2.5", 2},
                    LongCase{"HexAllBits", "&HFFFFFFFF", -1}, LongCase{"OutOfRange", "99999999999", 0},
                    LongCase{"HexOutOfRange", "&H1FFFFFFFF", 0}),
    ByName());

// --- SplitRGBText --------------------------------------------------------------------------------

TEST(SplitRGBText, GivesTheFiveParts) {
    RGBTextParts parts;
    ASSERT_TRUE(SplitRGBText(kRed, parts));
    EXPECT_EQ(parts, (RGBTextParts{"&H0000FF", "#FF0000", "255", "0", "0"}));
}

TEST(SplitRGBText, TakesTheFirstMarkersAndTrimsOnlySpaces) {
    RGBTextParts parts;
    ASSERT_TRUE(SplitRGBText("x &Habc y #12 (1,\t2 , 3)RGB", parts));
    EXPECT_EQ(parts, (RGBTextParts{"&Habc", "#12", "1", "\t2", "3"}));
}

struct SplitFailure {
    const char* name;
    const char* text;
};

class SplitRGBTextFailure : public testing::TestWithParam<SplitFailure> {};

TEST_P(SplitRGBTextFailure, ReturnsFalseAndEmptyParts) {
    RGBTextParts parts{"a", "b", "c", "d", "e"};
    EXPECT_FALSE(SplitRGBText(GetParam().text, parts));
    EXPECT_EQ(parts, RGBTextParts{});
}

INSTANTIATE_TEST_SUITE_P(Table, SplitRGBTextFailure,
                         testing::Values(SplitFailure{"Empty", ""},
                                         SplitFailure{"NoWebPart", "&H0000FF RGB(255, 0, 0)"},
                                         SplitFailure{"LowerCaseH", "&h0000FF #FF0000 RGB(255, 0, 0)"},
                                         SplitFailure{"NoSpaceAfterHex", "&H0000FF#FF0000 RGB(255, 0, 0)"},
                                         SplitFailure{"NoSpaceAfterWeb", "&H0000FF #FF0000"},
                                         SplitFailure{"TwoPieces", "&H0000FF #FF0000 RGB(255, 0)"},
                                         SplitFailure{"FourPieces", "&H0000FF #FF0000 RGB(255, 0, 0, 0)"},
                                         SplitFailure{"WebBeforeHex", "#FF0000 &H0000FF RGB(255, 0, 0)"}),
                         ByName());

// --- ParseRGBText --------------------------------------------------------------------------------

struct RGBCase {
    const char* name;
    std::string newText;
    std::string oldText;
    std::int32_t expected;
};

class ParseRGBTextTest : public testing::TestWithParam<RGBCase> {};

TEST_P(ParseRGBTextTest, TakesTheFirstAlteredNotation) {
    EXPECT_EQ(ParseRGBText(GetParam().newText, GetParam().oldText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseRGBTextTest,
    testing::Values(RGBCase{"UnchangedReadsTheTriple", kRed, kRed, 0x0000FF},
                    RGBCase{"HexChanged", "&H00FF00 #FF0000 RGB(255,   0,   0)", kRed, 0x00FF00},
                    RGBCase{"HexWinsOverTheOthers", "&H00FF00 #0000FF RGB(  1,   2,   3)", kRed, 0x00FF00},
                    RGBCase{"WebChanged", "&H0000FF #00FF00 RGB(255,   0,   0)", kRed, 0x00FF00},
                    RGBCase{"WebWinsOverTheTriple", "&H0000FF #00FF00 RGB(9, 9, 9)", kRed, 0x00FF00},
                    RGBCase{"WebLowerCase", "&H0000FF #0a0b0c RGB(255,   0,   0)", kRed, 0x0C0B0A},
                    RGBCase{"ShortWebPart", "&H0000FF #F RGB(255,   0,   0)", kRed, 0x00000F},
                    RGBCase{"EmptyWebPart", "&H0000FF # RGB(255,   0,   0)", kRed, 0},
                    RGBCase{"TripleChanged", "&H0000FF #FF0000 RGB(0, 0, 255)", kRed, 0xFF0000},
                    RGBCase{"HexTakenWithoutRangeCheck", "&H80000005 #FF0000 RGB(255,   0,   0)", kRed,
                            OleColor::FromBits(0x80000005)},
                    RGBCase{"HexWithoutDigitsIsBlack", "&H #FF0000 RGB(255,   0,   0)", kRed, 0},
                    RGBCase{"HexStopsAtANonDigit", "&H12XY #FF0000 RGB(255,   0,   0)", kRed, 0x12},
                    RGBCase{"HexBeyondThirtyTwoBits", "&H123456789 #FF0000 RGB(255,   0,   0)", kRed, -1},
                    RGBCase{"FractionRoundsHalfToEven", "&H0000FF #FF0000 RGB(10.5, 11.5, 0)", kRed,
                            0x000C0A},
                    RGBCase{"RedTooLarge", "&H0000FF #FF0000 RGB(256, 0, 0)", kRed, -1},
                    RGBCase{"GreenNegative", "&H0000FF #FF0000 RGB(0, -1, 0)", kRed, -1},
                    RGBCase{"BlueTooLarge", "&H0000FF #FF0000 RGB(0, 0, 256)", kRed, -1},
                    RGBCase{"LowerCaseRgbIsNotRemoved", "&H0000FF #FF0000 rgb(10, 20, 30)", kRed, 0x1E1400},
                    RGBCase{"DecimalHexComponents", "&H0000FF #FF0000 RGB(&H10, 2e1, 0)", kRed, 0x001410},
                    RGBCase{"NewTextDoesNotSplit", "&H0000FF #FF0000 RGB(255, 0)", kRed, -1},
                    RGBCase{"OldTextDoesNotSplit", kRed, "garbage", -1}),
    ByName());

// --- ParseRGBComponents ----------------------------------------------------------------------------

TEST(ParseRGBComponents, RoundsAndChecksEachComponent) {
    EXPECT_EQ(ParseRGBComponents("255", "128", "1"), 0x0180FF);
    EXPECT_EQ(ParseRGBComponents("10.5", "0.5", "254.5"), 0xFE000A);
    EXPECT_EQ(ParseRGBComponents("abc", "", " "), 0);
    EXPECT_EQ(ParseRGBComponents("255.5", "0", "0"), -1);
    EXPECT_EQ(ParseRGBComponents("-0.5", "0", "0"), 0);
    EXPECT_EQ(ParseRGBComponents("1e400", "0", "0"), -1);
    EXPECT_EQ(ParseRGBComponents("0", "&HFFFFFFFF", "0"), -1);
}

// --- ParseHSVText ----------------------------------------------------------------------------------

struct HSVCase {
    const char* name;
    const char* text;
    HSBValues expected;
};

class ParseHSVTextTest : public testing::TestWithParam<HSVCase> {};

TEST_P(ParseHSVTextTest, ReadsTheTripleOrFails) {
    const HSBValues result = ParseHSVText(GetParam().text, "HSV(  0, 0.0000, 0.0000)");
    EXPECT_EQ(result.Hue, GetParam().expected.Hue);
    EXPECT_EQ(result.Sat, GetParam().expected.Sat);
    EXPECT_EQ(result.Bright, GetParam().expected.Bright);
}

const HSBValues kFailed{-1, 0.0f, 0.0f};

INSTANTIATE_TEST_SUITE_P(
    Table, ParseHSVTextTest,
    testing::Values(HSVCase{"AsWritten", "HSV(120, 0.5000, 0.2500)", {120, 0.5f, 0.25f}},
                    HSVCase{"LowerCase", "hsv(120, 0.5, 0.25)", {120, 0.5f, 0.25f}},
                    HSVCase{"WithoutParentheses", "HSV 120, 0.5, 0.25", {120, 0.5f, 0.25f}},
                    HSVCase{"SpacesAround", "   HSV(1,1,1)   ", {1, 1.0f, 1.0f}},
                    HSVCase{"HueRoundsHalfToEven", "HSV(358.5, 0, 0)", {358, 0.0f, 0.0f}},
                    HSVCase{"SingleStored", "HSV(0, 0.1, 0.7)", {0, 0.1f, 0.7f}},
                    HSVCase{"LettersReadAsZero", "HSV(abc, 0, 0)", {0, 0.0f, 0.0f}},
                    HSVCase{"HexHue", "hsv(&h10, 0, 0)", {16, 0.0f, 0.0f}},
                    HSVCase{"Hue360", "HSV(360, 0, 0)", kFailed},
                    HSVCase{"HueRoundsTo360", "HSV(359.5, 0, 0)", kFailed},
                    HSVCase{"NegativeHue", "HSV(-1, 0, 0)", kFailed},
                    HSVCase{"SaturationAboveOne", "HSV(120, 1.5, 0)", kFailed},
                    HSVCase{"ValueBelowZero", "HSV(120, 0, -0.1)", kFailed},
                    HSVCase{"DecimalCommasGiveFivePieces", "HSV(120, 0,5, 0,5)", kFailed},
                    HSVCase{"TwoPieces", "HSV(120, 0.5)", kFailed},
                    HSVCase{"NoPrefix", "(120, 0.5, 0.5)", kFailed}, HSVCase{"PrefixOnly", "HS", kFailed},
                    HSVCase{"Empty", "", kFailed}, HSVCase{"HueOverflows", "HSV(1e400, 0, 0)", kFailed}),
    ByName());

// --- The readers ignore the locale ------------------------------------------------------------

class ReadUnderACommaLocale : public CommaLocale {};

TEST_F(ReadUnderACommaLocale, OnlyAPointSeparatesDecimals) {
    const HSBValues hsv = ParseHSVText("HSV(120, 0.5, 0.25)", "");
    EXPECT_EQ(hsv.Hue, 120);
    EXPECT_EQ(hsv.Sat, 0.5f);
    EXPECT_EQ(hsv.Bright, 0.25f);
    EXPECT_EQ(ParseRGBComponents("10.5", "11.5", "0,9"), 0x000C0A);
    EXPECT_EQ(ParseLong("2.5"), 2);
    EXPECT_EQ(ParseLong("2,5"), 0);
}

} // namespace
