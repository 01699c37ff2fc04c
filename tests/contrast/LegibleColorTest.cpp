#include "contrast/modContrast.h"
#include "support/ByName.h"

#include <gtest/gtest.h>

namespace {

struct LegibleRow {
    const char* name;
    OLE_COLOR designed, background;
    double minimumRatio;
    OLE_COLOR expected; // BBGGRR
};

class Legible : public testing::TestWithParam<LegibleRow> {};

TEST_P(Legible, KeepsTheDesignedColorOrTheNearestOfItsHueThatReachesTheRatio) {
    const LegibleRow& row = GetParam();
    EXPECT_EQ(modContrast::LegibleColor(row.designed, row.background, row.minimumRatio), row.expected);
}

const LegibleRow kLegible[] = {
    {"DarkBlueOnWhiteStays", 0xC00000, 0xFFFFFF, 4.5, 0xC00000},
    {"GreyOnALightFaceStays", 0x808080, 0xEFEFEF, 3.0, 0x808080},             // 3.43:1
    {"GreyOnADarkWindowStays", 0x808080, 0x353535, 3.0, 0x808080},            // 3.10:1
    {"DarkBlueOnADarkBaseMixesWithWhite", 0xC00000, 0x2D2D2D, 4.5, 0xE28B8B}, // #8B8BE2, 4.51:1
    {"GreyOnALighterGreyMixesWithBlack", 0x808080, 0xC0C0C0, 3.0, 0x696969},  // 3.01:1
    {"WhiteFallsShortSoBlackIsMixedIn", 0x808080, 0x787878, 4.5, 0x090909},
    {"NeitherReachesSoTheStrongerExtreme", 0xC00000, 0x767676, 7.0, 0x000000},
    {"SystemColorIsTranslated", OleColor::SystemColor(8), 0xFFFFFF, 4.5, 0x000000}, // classic window text
};
INSTANTIATE_TEST_SUITE_P(modContrast, Legible, testing::ValuesIn(kLegible), ByName());

} // namespace
