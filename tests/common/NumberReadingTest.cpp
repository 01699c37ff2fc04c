// The tolerant number reading and the half-to-even rounding every conversion uses.
#include "common/NumberReader.h"
#include "common/Rounding.h"

#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(ReadLeadingNumber, GivesTheValueAndWhereTheNumberEnds) {
    // Text, value, characters read, overflow.
    // clang-format off
    const std::tuple<std::string, double, std::size_t, bool> table[] = {
        {"12abc", 12, 2, false}, {"abc", 0, 0, false}, {" \t\n", 0, 0, false}, {"1 2\t3\n4x", 1234, 7, false},
        {"5   ", 5, 1, false}, {"1\r2", 1, 1, false}, {"10.5", 10.5, 4, false}, {".25", 0.25, 3, false},
        {".", 0, 0, false}, {"1.2.3", 1.2, 3, false}, {"0,5", 0, 1, false}, {"- 4", -4, 3, false},
        {"1e3", 1000, 3, false}, {"2e10", 2e10, 4, false}, {"25E-1", 2.5, 5, false}, {"1e+x", 1, 1, false}, {"&HFF", 255, 4, false},
        {"&hfa", 250, 4, false}, {"&H1X", 1, 3, false}, {"&H", 0, 0, false}, {"&HFFFFFFFF", -1, 10, false},
        {"&H000000000001", 1, 14, false}, {"&H100000000", 0, 11, true}, {"&x1F", 0, 0, false}, {"-&H1", 0, 0, false},
        {"1e400", 0, 5, true}, {"1234567890123456", 1234567890123456, 16, false}, {std::string(400, '9'), 0, 400, true},
        {"-1e-400", 0, 7, false}, {"0." + std::string(400, '0') + "1", 0, 403, false},
        {"1e" + std::string(50, '9'), 0, 52, true}, {"00e99999", 0, 8, false},
        {"0.50196078431372548", 128.0 / 255.0, 19, false}};
    // clang-format on
    for (const auto& [text, value, length, overflow] : table) {
        const NumberReader::Reading r = NumberReader::ReadLeadingNumber(text);
        EXPECT_EQ(std::tuple(r.Value, r.Length, r.Overflow), std::tuple(value, length, overflow)) << text;
        EXPECT_FALSE(std::signbit(r.Value) && r.Value == 0) << text << ": a negative zero";
    }
}

TEST(ConvertToInt32, TakesOnlyAWholeNumberThatFits) {
    // clang-format off
    const std::pair<const char*, std::optional<std::int32_t>> table[] = {
        {"  42  ", 42}, {"&HFFFFFFFF", -1}, {"2.5", 2}, {"3.5", 4}, {"", {}}, {"12abc", {}}, {"1 2", {}}, {"\t12", {}},
        {"2147483647", 2147483647}, {"2147483647.5", {}}, {"-2147483648", -2147483647 - 1}, {"&H100000000", {}}};
    // clang-format on
    for (const auto& [text, expected] : table) {
        EXPECT_EQ(NumberReader::ConvertToInt32(text), expected) << '"' << text << '"';
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbourWhateverTheRoundingModeAndWhatDoesNotFitIsRefused) {
    // clang-format off
    const std::pair<double, double> table[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {127.5, 128}, {2.5000000001, 3},
        {2.4999999999, 2}, {-2.5, -2}, {-3.5, -4}, {4503599627370497.0, 4503599627370497.0}};
    // clang-format on
    for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD}) {
        std::fesetround(mode);
        for (const auto& [x, expected] : table) {
            EXPECT_EQ(Rounding::RoundHalfEven(x), expected) << x << " in mode " << mode;
        }
    }
    std::fesetround(FE_TONEAREST);
    EXPECT_EQ(Rounding::TryRoundToInt32(-2147483648.5), INT32_MIN);
    EXPECT_FALSE(Rounding::TryRoundToInt32(2147483647.5) || Rounding::TryRoundToInt32(-2147483649.0) ||
                 Rounding::TryRoundToInt32(NAN));
    EXPECT_EQ(std::tuple(Rounding::RoundToInt32(1e300), Rounding::RoundToInt32(-1e300),
                         Rounding::RoundToInt32(NAN), Rounding::RoundToInt32(-127.5)),
              std::tuple(INT32_MAX, INT32_MIN, 0, -128));
}

} // namespace
