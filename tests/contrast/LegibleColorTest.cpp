#include "contrast/modContrast.h"

#include <gtest/gtest.h>

namespace {

using modContrast::LegibleColor;

// Colours as BBGGRR.
TEST(LegibleColor, KeepsTheDesignedColorOrTheNearestOfItsHueThatReachesTheRatio) {
    EXPECT_EQ(LegibleColor(0xC00000, 0xFFFFFF, 4.5), 0xC00000); // dark blue on white: 11.92:1
    EXPECT_EQ(LegibleColor(0x808080, 0x353535, 3.0), 0x808080); // grey on a dark window: 3.10:1
    EXPECT_EQ(LegibleColor(0xC00000, 0x2D2D2D, 4.5), 0xE28B8B); // mixed with white: #8B8BE2, 4.51:1
    EXPECT_EQ(LegibleColor(0x808080, 0xC0C0C0, 3.0), 0x696969); // mixed with black: 3.01:1
    EXPECT_EQ(LegibleColor(0x808080, 0x787878, 4.5), 0x090909); // white falls short, black reaches it
    EXPECT_EQ(LegibleColor(0xC00000, 0x767676, 7.0), 0x000000); // neither does: the stronger extreme
}

} // namespace
