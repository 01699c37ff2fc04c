#include "common/Rounding.h"

#include "support/ByName.h"

#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct RoundCase {
    const char* name;
    double input;
    double expected;
};

class RoundHalfEvenTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsToNearestWithHalvesToEven) {
    EXPECT_EQ(Rounding::RoundHalfEven(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundHalfEvenTest,
    testing::Values(RoundCase{"ZeroPointFive", 0.5, 0.0}, RoundCase{"OnePointFive", 1.5, 2.0},
                    RoundCase{"TwoPointFive", 2.5, 2.0}, RoundCase{"HalfOf255", 127.5, 128.0},
                    RoundCase{"TenPointFive", 10.5, 10.0}, RoundCase{"ElevenPointFive", 11.5, 12.0},
                    RoundCase{"JustAboveHalf", 2.5000000001, 3.0},
                    RoundCase{"JustBelowHalf", 2.4999999999, 2.0},
                    RoundCase{"NegativeHalfToEven", -2.5, -2.0}, RoundCase{"NegativeOddHalf", -3.5, -4.0},
                    RoundCase{"NegativeSmall", -0.4, 0.0}, RoundCase{"Integral", 7.0, 7.0},
                    RoundCase{"LargeIntegral", 4503599627370497.0, 4503599627370497.0}),
    ByName());

TEST(RoundHalfEven, IgnoresTheFloatingPointRoundingMode) {
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const double down = Rounding::RoundHalfEven(2.5);
    std::fesetround(FE_DOWNWARD);
    const double up = Rounding::RoundHalfEven(3.5);
    std::fesetround(saved);
    EXPECT_EQ(down, 2.0);
    EXPECT_EQ(up, 4.0);
}

TEST(TryRoundToInt32, RejectsWhatDoesNotFit) {
    EXPECT_EQ(Rounding::TryRoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(Rounding::TryRoundToInt32(-2147483648.5), -2147483648); // half to even stays in range
    EXPECT_FALSE(Rounding::TryRoundToInt32(2147483647.5));
    EXPECT_FALSE(Rounding::TryRoundToInt32(-2147483649.0));
    EXPECT_FALSE(Rounding::TryRoundToInt32(std::nan("")));
    EXPECT_FALSE(Rounding::TryRoundToInt32(std::numeric_limits<double>::infinity()));
}

TEST(RoundToInt32, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(Rounding::RoundToInt32(1e300), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Rounding::RoundToInt32(-1e300), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Rounding::RoundToInt32(-std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Rounding::RoundToInt32(std::nan("")), 0);
    EXPECT_EQ(Rounding::RoundToInt32(127.5), 128);
}

TEST(ToSingle, RoundsToNearestFloat) {
    EXPECT_EQ(Rounding::ToSingle(128.0 / 255.0), 0.501960814f);
    EXPECT_EQ(static_cast<double>(Rounding::ToSingle(0.1)), static_cast<double>(0.1f));
}

} // namespace
