// The colour model object, the colour functions and the system colours, with the worked
// numbers of their definitions, and the HSB round trip over the whole colour cube.
#include "colormodels/CColorModels.h"
#include "colormodels/SystemColors.h"
#include "colormodels/modColorModels.h"
#include "common/ComponentError.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace modColorModels;
using OleColor::Rgb;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// Every field of the object, to tell that it did or did not change.
auto Fields(const CColorModels& m) {
    return std::tuple(m.HueMax(), m.RGBMax(), m.HSB_Hue(), m.HSB_Sat(), m.HSB_Bright(), m.RGB_Red(),
                      m.RGB_Green(), m.RGB_Blue());
}

// Runs each call, expects the class's error naming `member` from each, and that the object did not
// change.
void ExpectRejected(CColorModels& m, const std::string& member,
                    std::initializer_list<std::function<void()>> calls) {
    const auto before = Fields(m);
    for (const auto& call : calls) {
        try {
            call();
            ADD_FAILURE() << member << ": no error raised";
        } catch (const ComponentError& e) {
            EXPECT_EQ(std::tuple(e.Number(), e.Source(), e.Description()),
                      std::tuple(5, "CColourModels." + member, "Invalid parameter.\r\n"));
        }
    }
    EXPECT_EQ(Fields(m), before) << member << " changed the object although it failed";
}

TEST(CColorModels, ConvertsTheWorkedColoursBothWaysAndKeepsTheFormThatWasSet) {
    CColorModels m;
    EXPECT_EQ(Fields(m), std::tuple(359, 255, 0, 0.0f, 0.0f, 0, 0, 0));
    // RGB to hue: exact halves go to the even hue (7.5, 22.5, 127.5, 247.5, 262.5); a negative hue
    // wraps round the circle (-22.5 gives 338).
    // clang-format off
    const std::tuple<int, int, int, int> hues[] = {{255, 0, 0, 0}, {0, 0, 255, 240}, {128, 16, 0, 8}, {128, 48, 0, 22},
        {128, 0, 48, 338}, {0, 128, 16, 128}, {16, 0, 128, 248}, {48, 0, 128, 262}, {128, 128, 128, 0}};
    // clang-format on
    for (const auto& [r, g, b, hue] : hues) {
        m.SetRGB(r, g, b);
        EXPECT_EQ(m.HSB_Hue(), hue) << r << ", " << g << ", " << b;
    }
    // HSB to RGB: V and D in single precision, components rounded half to even.
    // clang-format off
    const std::tuple<int, float, float, OLE_COLOR> colours[] = {{0, 0.0f, 0.5f, Rgb(128, 128, 128)},
        {30, 1.0f, 1.0f, Rgb(255, 128, 0)}, {359, 1.0f, 1.0f, Rgb(255, 0, 4)}, {150, 1.0f, 1.0f, Rgb(0, 255, 128)},
        {200, 0.5f, 0.8f, Rgb(102, 170, 204)}, {270, 1.0f, 1.0f, Rgb(128, 0, 255)}, {100, 1.0f, 1.0f, Rgb(85, 255, 0)}};
    // clang-format on
    for (const auto& [hue, sat, bright, colour] : colours) {
        m.SetHSB(hue, sat, bright);
        EXPECT_EQ(m.RGB_OLE_COLOR(), colour) << hue << ", " << sat << ", " << bright;
    }
    m.SetHSB(120, 0.0f, 0.5f); // a grey with a hue keeps it (through RGB, grey has hue 0: above)
    EXPECT_EQ(m.HSB_Hue(), 120);
    m.SetHSB_Sat(1.0f);
    m.SetHSB_Hue(240);
    m.SetHSB_Bright(0.2f);
    EXPECT_EQ(m.RGB_OLE_COLOR(), 0x330000);
    m.SetRGB_OLE_COLOR(OleColor::SystemColor(15)); // the button face of the classic table
    EXPECT_EQ(Fields(m), std::tuple(359, 255, 40, 0.0566037744f, 0.831372559f, 212, 208, 200));
}

TEST(CColorModels, OtherScalesResetTheColourAndInvalidArgumentsChangeNothing) {
    CColorModels m;
    m.SetRGB(10, 20, 30);
    m.SetRGBMax(1023);
    EXPECT_EQ(Fields(m), std::tuple(359, 1023, 0, 0.0f, 0.0f, 0, 0, 0));
    m.SetHSB(0, 1.0f, 1.0f);
    EXPECT_EQ(m.RGB_Red(), 1023);
    m.SetHueMax(5); // one step per sector
    m.SetRGB(0, 1023, 0);
    EXPECT_EQ(m.HSB_Hue(), 2);
    m.SetHueMax(6143);
    m.SetRGB(0, 0, 1023);
    EXPECT_EQ(std::tuple(m.HSB_Hue(), m.GrayValue(false), m.GrayValue(true)), std::tuple(4096, 117, 73));
    m.SetRGBMax(1); // the smallest scale
    // clang-format off
    ExpectRejected(m, "HueMax", {[&] { m.SetHueMax(6); }, [&] { m.SetHueMax(-1); }, [&] { m.SetHueMax(6149); },
                                 [&] { m.SetHueMax(std::numeric_limits<std::int32_t>::max()); }});
    ExpectRejected(m, "RGBMax", {[&] { m.SetRGBMax(0); }, [&] { m.SetRGBMax(1024); }});
    ExpectRejected(m, "RGB_OLE_COLOR", {[&] { (void)m.RGB_OLE_COLOR(); }, [&] { m.SetRGB_OLE_COLOR(0x123456); }});
    m.SetRGBMax(255);
    ExpectRejected(m, "HSB_Sat", {[&] { m.SetHSB_Sat(-0.0001f); }, [&] { m.SetHSB_Sat(1.0001f); },
                                  [&] { m.SetHSB_Sat(kNaN); }});
    ExpectRejected(m, "HSB_Bright", {[&] { m.SetHSB_Bright(1.0001f); }}); // the same check as HSB_Sat
    ExpectRejected(m, "HSB_Hue", {[&] { m.SetHSB_Hue(6144); }, [&] { m.SetHSB_Hue(-1); }});
    ExpectRejected(m, "SetRGB", {[&] { m.SetRGB(0, 0, 256); }, [&] { m.SetRGB(-1, 0, 0); }});
    ExpectRejected(m, "SetHSB", {[&] { m.SetHSB(100, 0.5f, 1.5f); }, [&] { m.SetHSB(6144, 0.5f, 0.5f); },
                                 [&] { m.SetHSB(100, kNaN, 0.5f); }});
    ExpectRejected(m, "RGB_OLE_COLOR", {[&] { m.SetRGB_OLE_COLOR(OleColor::SystemColor(31)); }});
    // clang-format on
}

TEST(ColorFunctions, GiveTheWorkedValues) {
    // Components are repaired to their magnitude, at most 255.
    EXPECT_EQ(std::tuple(JoinRGB(-10, 300, 7), JoinRGB(std::numeric_limits<std::int32_t>::min(), 2, 3)),
              std::tuple(0x07FF0A, 0x0302FF));
    EXPECT_EQ(std::tuple(GrayValueOfColor(0xFFFFFF, true), GrayValueOfColor(0xFFFFFF, false),
                         GrayValueOfColor(0x00FF00, true), GrayValueOfColor(0x00FF00, false)),
              std::tuple(255, 255, 180, 150)); // 180.285 and 149.583
    // A sector outside the circle is black; -1 truncates into sector 0 with f = -1/60.
    EXPECT_EQ(
        std::tuple(HSBToRGB({360, 1, 1}), HSBToRGB({-60, 1, 1}), HSBToRGB({-1, 1, 1}), HSBToRGB({0, -1, 1})),
        std::tuple(0, 0, Rgb(255, 4, 0), 0xFFFFFF));
}

TEST(ColorFunctions, DimColorFollowsEveryStep) {
    // clang-format off
    const std::tuple<const char*, OLE_COLOR, float, OLE_COLOR> table[] = {
        {"TooLargeFactorUntouched", OleColor::SystemColor(15), 0.6f, OleColor::SystemColor(15)},
        {"TooSmallFactorUntouched", 0x123456, -0.51f, 0x123456}, {"NaNUntouched", 0x123456, kNaN, 0x123456},
        {"HalfIsApplied", 0x808080, 0.5f, 0xFFFFFF}, {"SystemColourIsTranslated", OleColor::SystemColor(5), -0.5f, 0x808080},
        {"WhiteStaysWhite", 0xFFFFFF, 0.2f, 0xFFFFFF},                         // Sat 0 - 0.25 falls back to 0
        {"RedLightened", 0x0000FF, 0.1f, Rgb(255, 48, 48)},                    // factor 0.15, Sat 0.8125
        {"AlmostSaturatedRedNotBoosted", Rgb(255, 13, 13), 0.1f, Rgb(255, 45, 45)},
        {"PaleRedFallsToTheSaturationFloor", Rgb(255, 230, 230), 0.1f, Rgb(255, 242, 242)},
        {"BlackDarkened", 0, -0.2f, Rgb(13, 9, 9)},                            // Bright 0.05, Sat 0.3125
        {"SaturationAboveOneIsOne", Rgb(128, 0, 0), -0.5f, 0x00000D}, {"BlackLightenedALittleStaysBlack", 0, 0.01f, 0},
        {"ZeroFactorLightensADarkRedByNothing", Rgb(10, 0, 0), 0.0f, Rgb(10, 0, 0)}};
    // clang-format on
    for (const auto& [name, colour, factor, expected] : table) {
        EXPECT_EQ(DimColor(colour, factor), expected) << name;
    }
}

TEST(ColorFunctions, ContrastMethodsGiveTheWorkedValues) {
    // clang-format off
    const std::tuple<const char*, OLE_COLOR, bool, OLE_COLOR> shifts[] = {
        {"FullGreyTurnsCyan", 0x808080, true, 0xFFFF00}, {"FullBlueWrapsToYellow", 0xFF0000, true, 0x00FFFF},
        {"PartialDarkGrey", 0x4D4D4D, false, 0xCDCDCD}, // 77 / 255 + 0.5 in single precision
        {"SaturationJustBelowAFifth", Rgb(255, 205, 205), false, Rgb(102, 128, 128)},
        {"SaturationOfExactlyAFifthStays", Rgb(255, 204, 204), false, 0xFFFFCC}};
    // clang-format on
    for (const auto& [name, colour, full, expected] : shifts) {
        EXPECT_EQ(ContrastShiftHue(colour, full), expected) << name;
    }
    EXPECT_EQ(std::tuple(ContrastNegate(0x123456, 0x777777), ContrastNegate(OleColor::SystemColor(5), 0),
                         ContrastXorWithMask(0x7F123456, 0xFFFFFF), ContrastAndWithMask(0x7F123457, 0x0F0F0F),
                         ContrastCopyMask(0x123456, OleColor::FromBits(0xFFABCDEF))),
              std::tuple(0xEDCBA9, 0xFFFFFA, 0xEDCBA9, 0x020407, 0xABCDEF)); // the bits as passed
    // ITU grey exactly 128 gives black, 127 white; green's ITU grey is 180 (the default weights give 150).
    EXPECT_EQ(std::tuple(ContrastBlackAndWhite(0x808080, 128), ContrastBlackAndWhite(0x7F7F7F, 128),
                         ContrastBlackAndWhite(0x00FF00, 180)),
              std::tuple(0, 0xFFFFFF, 0));
}

struct FixedSource final : SystemColors::Source {
    OLE_COLOR ColorOf(int index) const override {
        return OleColor::FromBits(0x7F000000u | 0x010101u * index);
    }
};

TEST(SystemColors, TranslateIndexesUpTo30ThroughTheInstalledSource) {
    for (std::uint32_t bits : {0x8000001Fu, 0x80010005u, 0x01000005u}) {
        EXPECT_FALSE(SystemColors::OleTranslateColor(OleColor::FromBits(bits))) << std::hex << bits;
    }
    EXPECT_EQ(std::tuple(TranslateColor(0x8BD9FE), TranslateColor(OleColor::SystemColor(5)),
                         TranslateColor(OleColor::SystemColor(8)), TranslateColor(OleColor::SystemColor(99))),
              std::tuple(0x8BD9FE, 0xFFFFFF, 0, 0)); // the classic window background and text; untranslatable
    auto classic = SystemColors::Install(std::make_unique<FixedSource>());
    EXPECT_EQ(TranslateColor(OleColor::SystemColor(15)), 0x0F0F0F);
    EXPECT_EQ(GrayValueOfColor(OleColor::SystemColor(30), false), 0x1E);
    SystemColors::Install(nullptr);
    EXPECT_EQ(TranslateColor(OleColor::SystemColor(15)), Rgb(212, 208, 200));
}

// Every colour comes back from its HSB form within two units per component; greys exactly.
TEST(ColourCube, HsbRoundTripStaysWithinTwoUnits) {
    for (OLE_COLOR c = 0; c < (1 << 24); ++c) {
        HSBValues hsb;
        RGBToHSB(c, hsb);
        const OLE_COLOR back = HSBToRGB(hsb);
        int worst = 0;
        for (int shift : {0, 8, 16}) {
            worst = std::max(worst, std::abs(((back >> shift) & 0xFF) - ((c >> shift) & 0xFF)));
        }
        const bool grey = c == (c & 0xFF) * 0x010101;
        ASSERT_TRUE(hsb.Hue >= 0 && hsb.Hue <= 359 && worst <= 2 && (!grey || (back == c && hsb.Sat == 0)))
            << "at " << std::hex << c;
    }
}

} // namespace
