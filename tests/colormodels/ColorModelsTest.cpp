// The colour model object, the colour functions and the system colours, with the worked
// numbers of their definitions, and the HSB round trip over the whole colour cube.
#include "colormodels/CColorModels.h"
#include "colormodels/SystemColors.h"
#include "colormodels/modColorModels.h"
#include "common/ComponentError.h"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace modColorModels;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

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

TEST(CColorModels, ConvertsTheWorkedColoursBothWays) {
    CColorModels m;
    EXPECT_EQ(Take(m), (Snapshot{359, 255, 0, 0, 0, 0, 0.0f, 0.0f}));
    // RGB -> hue: ties take red before green before blue; exact halves go to the even hue.
    const struct {
        std::int32_t r, g, b, hue;
    } hues[] = {{255, 0, 0, 0},     {0, 0, 255, 240},  {255, 0, 255, 300}, {255, 255, 0, 60},
                {0, 255, 255, 180}, {128, 16, 0, 8},   {128, 48, 0, 22},   {128, 0, 16, 352},
                {128, 0, 48, 338},  {0, 128, 16, 128}, {16, 0, 128, 248},  {48, 0, 128, 262},
                {128, 128, 128, 0}};
    for (const auto& c : hues) {
        m.SetRGB(c.r, c.g, c.b);
        EXPECT_EQ(m.HSB_Hue(), c.hue) << c.r << ", " << c.g << ", " << c.b;
    }
    EXPECT_EQ(m.HSB_Sat(), 0.0f);
    EXPECT_EQ(m.HSB_Bright(), 0.501960814f);
    m.SetRGB(255, 51, 0);
    EXPECT_EQ(m.HSB_Sat(), 1.0f);
    EXPECT_EQ(m.HSB_Bright(), 1.0f);
    // HSB -> RGB: V and D in single precision, components rounded half to even.
    const struct {
        std::int32_t hue;
        float sat, bright;
        std::int32_t r, g, b;
    } rgbs[] = {{0, 0.0f, 0.5f, 128, 128, 128},   {30, 1.0f, 1.0f, 255, 128, 0},
                {359, 1.0f, 1.0f, 255, 0, 4},     {150, 1.0f, 1.0f, 0, 255, 128},
                {200, 0.5f, 0.8f, 102, 170, 204}, {270, 1.0f, 1.0f, 128, 0, 255},
                {100, 1.0f, 1.0f, 85, 255, 0}};
    for (const auto& c : rgbs) {
        m.SetHSB(c.hue, c.sat, c.bright);
        EXPECT_EQ(m.RGB_OLE_COLOR(), OleColor::Rgb(c.r, c.g, c.b))
            << c.hue << ", " << c.sat << ", " << c.bright;
    }
}

TEST(CColorModels, KeepsTheFormThatWasSet) {
    CColorModels m;
    m.SetHSB(120, 0.0f, 0.5f); // a grey with a hue
    EXPECT_EQ(m.HSB_Hue(), 120);
    m.SetRGB(m.RGB_Red(), m.RGB_Green(), m.RGB_Blue()); // the same grey through RGB
    EXPECT_EQ(m.HSB_Hue(), 0);
    m.SetHSB_Sat(1.0f);
    EXPECT_EQ(m.RGB_OLE_COLOR(), 0x000080);
    m.SetHSB_Hue(240);
    m.SetHSB_Bright(1.0f);
    EXPECT_EQ(m.RGB_OLE_COLOR(), 0xFF0000);
    m.SetRGB_OLE_COLOR(OleColor::SystemColor(15)); // button face of the classic table
    EXPECT_EQ(m.RGB_OLE_COLOR(), OleColor::Rgb(212, 208, 200));
    EXPECT_EQ(m.HSB_Hue(), 40);
}

TEST(CColorModels, OtherScalesResetTheColour) {
    CColorModels m;
    m.SetRGB(10, 20, 30);
    m.SetRGBMax(1023);
    EXPECT_EQ(Take(m), (Snapshot{359, 1023, 0, 0, 0, 0, 0.0f, 0.0f}));
    m.SetHSB(0, 1.0f, 1.0f);
    EXPECT_EQ(m.RGB_Red(), 1023);
    m.SetHueMax(5); // one step per sector
    EXPECT_EQ(Take(m), (Snapshot{5, 1023, 0, 0, 0, 0, 0.0f, 0.0f}));
    m.SetRGB(0, 1023, 0);
    EXPECT_EQ(m.HSB_Hue(), 2);
    m.SetHueMax(6143);
    m.SetRGB(0, 0, 1023);
    EXPECT_EQ(m.HSB_Hue(), 4096);
    m.SetRGBMax(1);
    m.SetRGB(1, 1, 1);
    EXPECT_EQ(m.GrayValue(false), 1);
}

TEST(CColorModels, RejectsInvalidArgumentsAndChangesNothing) {
    CColorModels m;
    m.SetRGB(10, 20, 30);
    for (std::int32_t v : {6, 0, 6149, -1, std::numeric_limits<std::int32_t>::max()}) {
        ExpectRejected(m, "HueMax", [&] { m.SetHueMax(v); });
    }
    for (std::int32_t v : {0, 1024}) {
        ExpectRejected(m, "RGBMax", [&] { m.SetRGBMax(v); });
    }
    for (float v : {-0.0001f, 1.0001f, kNaN}) {
        ExpectRejected(m, "HSB_Sat", [&] { m.SetHSB_Sat(v); });
        ExpectRejected(m, "HSB_Bright", [&] { m.SetHSB_Bright(v); });
    }
    ExpectRejected(m, "HSB_Hue", [&] { m.SetHSB_Hue(360); });
    ExpectRejected(m, "HSB_Hue", [&] { m.SetHSB_Hue(-1); });
    ExpectRejected(m, "SetRGB", [&] { m.SetRGB(0, 0, 256); });
    ExpectRejected(m, "SetRGB", [&] { m.SetRGB(-1, 0, 0); });
    ExpectRejected(m, "SetHSB", [&] { m.SetHSB(100, 0.5f, 1.5f); });
    ExpectRejected(m, "SetHSB", [&] { m.SetHSB(360, 0.5f, 0.5f); });
    ExpectRejected(m, "SetHSB", [&] { m.SetHSB(100, kNaN, 0.5f); });
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { m.SetRGB_OLE_COLOR(OleColor::SystemColor(31)); });
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { m.SetRGB_OLE_COLOR(OleColor::FromBits(0x01000005)); });
    m.SetRGBMax(256);
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { (void)m.RGB_OLE_COLOR(); });
    ExpectRejected(m, "RGB_OLE_COLOR", [&] { m.SetRGB_OLE_COLOR(0x123456); });
}

TEST(ColorFunctions, GiveTheWorkedValues) {
    EXPECT_EQ(JoinRGB(-10, 300, 7), 10 + 256 * 255 + 65536 * 7);
    EXPECT_EQ(JoinRGB(std::numeric_limits<std::int32_t>::min(), 2, 3), 0x0302FF);
    std::int32_t r = -1, g = -1, b = -1;
    SplitRGB(OleColor::SystemColor(15), r, g, b);
    EXPECT_EQ(OleColor::Rgb(r, g, b), OleColor::Rgb(212, 208, 200));
    SplitRGB(OleColor::SystemColor(99), r, g, b); // untranslatable: black
    EXPECT_EQ(OleColor::Rgb(r, g, b), 0);
    EXPECT_EQ(GrayValueOfColor(0xFFFFFF, true), 255);
    EXPECT_EQ(GrayValueOfColor(0xFFFFFF, false), 255);
    EXPECT_EQ(GrayValueOfColor(0x00FF00, true), 180);  // 180.285
    EXPECT_EQ(GrayValueOfColor(0x00FF00, false), 150); // 149.583
    CColorModels green;
    green.SetRGB(0, 255, 0);
    EXPECT_EQ(green.GrayValue(true), 180);
    EXPECT_EQ(green.GrayValue(false), 150);
    // A sector outside the circle is black; -1 truncates into sector 0 with f = -1/60.
    EXPECT_EQ(HSBToRGB({360, 1.0f, 1.0f}), 0);
    EXPECT_EQ(HSBToRGB({-60, 1.0f, 1.0f}), 0);
    EXPECT_EQ(HSBToRGB({-1, 1.0f, 1.0f}), OleColor::Rgb(255, 4, 0));
    EXPECT_EQ(HSBToRGB({0, -1.0f, 1.0f}), 0xFFFFFF);
    EXPECT_EQ(HSBToRGB({0, kNaN, kNaN}) & ~0xFFFFFF, 0);
}

TEST(ColorFunctions, DimColorFollowsEveryStep) {
    const struct {
        const char* name;
        OLE_COLOR color;
        float factor;
        OLE_COLOR expected;
    } table[] = {{"TooLargeFactorUntouched", OleColor::SystemColor(15), 0.6f, OleColor::SystemColor(15)},
                 {"TooSmallFactorUntouched", 0x123456, -0.51f, 0x123456},
                 {"NaNUntouched", 0x123456, kNaN, 0x123456},
                 {"WhiteStaysWhite", 0xFFFFFF, 0.2f, 0xFFFFFF},                // Sat 0 - 0.25 falls back to 0
                 {"RedLightened", 0x0000FF, 0.1f, OleColor::Rgb(255, 48, 48)}, // factor 0.15, Sat 0.8125
                 {"AlmostSaturatedRed", OleColor::Rgb(255, 13, 13), 0.1f, OleColor::Rgb(255, 45, 45)},
                 {"BlackDarkened", 0, -0.2f, OleColor::Rgb(13, 9, 9)}, // Bright 0.05, Sat 0.3125
                 {"SaturationAboveOneIsOne", OleColor::Rgb(128, 0, 0), -0.5f, 0x00000D},
                 {"BlackLightenedALittleStaysBlack", 0, 0.01f, 0},
                 {"GreyLightenedKeepsSaturationFloor", 0x808080, 0.1f, OleColor::Rgb(154, 154, 154)},
                 {"PaleRedFallsToTheSaturationFloor", OleColor::Rgb(255, 230, 230), 0.1f,
                  OleColor::Rgb(255, 242, 242)},
                 {"HalfIsApplied", 0x808080, 0.5f, 0xFFFFFF},
                 {"SystemColourIsTranslated", OleColor::SystemColor(5), -0.5f, 0x808080},
                 {"DarkGreyGainsSaturation", 0x404040, -0.3f, OleColor::Rgb(13, 11, 11)}};
    for (const auto& c : table) {
        EXPECT_EQ(DimColor(c.color, c.factor), c.expected) << c.name;
    }
}

TEST(ColorFunctions, ContrastMethodsGiveTheWorkedValues) {
    const struct {
        const char* name;
        OLE_COLOR color;
        bool full;
        OLE_COLOR expected;
    } shifts[] = {
        {"FullRed", 0x0000FF, true, 0xFFFF00},
        {"FullGrey", 0x808080, true, 0xFFFF00},
        {"FullWhite", 0xFFFFFF, true, 0xFFFF00},
        {"PartialBlack", 0, false, 0x808080},
        {"PartialWhite", 0xFFFFFF, false, 0x808080},
        {"PartialRed", 0x0000FF, false, 0xFFFF00},
        {"PartialDarkGrey", 0x4D4D4D, false, 0xCDCDCD}, // 77 / 255 + 0.5 in single precision
        {"SaturationJustBelowAFifth", OleColor::Rgb(255, 205, 205), false, OleColor::Rgb(102, 128, 128)},
        {"SaturationOfExactlyAFifthStays", OleColor::Rgb(255, 204, 204), false, 0xFFFFCC}};
    for (const auto& c : shifts) {
        EXPECT_EQ(ContrastShiftHue(c.color, c.full), c.expected) << c.name;
    }
    EXPECT_EQ(ContrastNegate(0x123456, 0x777777), 0xEDCBA9);
    EXPECT_EQ(ContrastNegate(OleColor::SystemColor(5), 0), 0xFFFFFA); // not translated
    EXPECT_EQ(ContrastXorWithMask(0x7F123456, 0), 0x123456);
    EXPECT_EQ(ContrastXorWithMask(0x123456, 0xFFFFFF), 0xEDCBA9);
    EXPECT_EQ(ContrastAndWithMask(0x7F123457, 0x0F0F0F), 0x020407);
    EXPECT_EQ(ContrastCopyMask(0x123456, OleColor::FromBits(0xFFABCDEF)), 0xABCDEF);
    EXPECT_EQ(ContrastBlackAndWhite(0x808080, 128), 0);        // grey exactly 128: black
    EXPECT_EQ(ContrastBlackAndWhite(0x7F7F7F, 128), 0xFFFFFF); // 127: white
    EXPECT_EQ(ContrastBlackAndWhite(0x00FF00, 181), 0xFFFFFF); // ITU 180, not the default 150
}

class FixedSource final : public SystemColors::Source {
public:
    OLE_COLOR ColorOf(int index) const override {
        return OleColor::FromBits(0x7F000000u | 0x010101u * index);
    }
};

TEST(SystemColors, TranslatesIndexesUpTo30ThroughTheInstalledSource) {
    for (std::uint32_t bits : {0x8000001Fu, 0x80010005u, 0x01000005u, 0x7F000000u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(SystemColors::OleTranslateColor(OleColor::FromBits(bits))) << std::hex << bits;
    }
    EXPECT_EQ(TranslateColor(0x8BD9FE), 0x8BD9FE);
    EXPECT_EQ(TranslateColor(OleColor::SystemColor(5)), 0xFFFFFF); // the classic window background
    EXPECT_EQ(TranslateColor(OleColor::SystemColor(8)), 0);
    auto classic = SystemColors::Install(std::make_unique<FixedSource>());
    EXPECT_EQ(TranslateColor(OleColor::SystemColor(15)), 0x0F0F0F);
    EXPECT_EQ(GrayValueOfColor(OleColor::SystemColor(30), false), 0x1E);
    SystemColors::Install(nullptr);
    EXPECT_EQ(TranslateColor(OleColor::SystemColor(15)), OleColor::Rgb(212, 208, 200));
}

// Every colour comes back from its HSB form within two units per component; greys exactly.
TEST(ColourCube, HsbRoundTripStaysWithinTwoUnits) {
    int failures = 0;
    OLE_COLOR first = -1;
    for (OLE_COLOR c = 0; c < (1 << 24); ++c) {
        HSBValues hsb;
        RGBToHSB(c, hsb);
        const OLE_COLOR back = HSBToRGB(hsb);
        int worst = 0;
        for (int shift : {0, 8, 16}) {
            worst = std::max(worst, std::abs(((back >> shift) & 0xFF) - ((c >> shift) & 0xFF)));
        }
        const bool grey = (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == (c >> 16);
        if ((hsb.Hue < 0 || hsb.Hue > 359 || worst > 2 || (grey && (back != c || hsb.Sat != 0))) &&
            failures++ == 0) {
            first = c;
        }
    }
    EXPECT_EQ(failures, 0) << "first at " << std::hex << first;
}

} // namespace
