// The tolerant number reading and the half-to-even rounding every conversion uses.
#include "common/NumberReader.h"
#include "common/Rounding.h"

#include <cfenv>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    double value;
    std::size_t length;
    bool overflow = false;
};

TEST(ReadLeadingNumber, GivesTheValueAndWhereTheNumberEnds) {
    const ReadCase table[] = {{"StopsAtText", "12abc", 12, 2},
                              {"NoNumber", "abc", 0, 0},
                              {"OnlyBlanks", " \t\n", 0, 0},
                              {"BlanksInside", "1 2\t3\n4x", 1234, 7},
                              {"TrailingBlanksNotCounted", "5   ", 5, 1},
                              {"CarriageReturnStops", "1\r2", 1, 1},
                              {"Fraction", "10.5", 10.5, 4},
                              {"LeadingPoint", ".25", 0.25, 3},
                              {"PointAlone", ".", 0, 0},
                              {"SecondPointStops", "1.2.3", 1.2, 3},
                              {"CommaIsNoSeparator", "0,5", 0, 1},
                              {"Negative", "-2", -2, 2},
                              {"SignThenBlank", "- 4", -4, 3},
                              {"Exponent", "1e3", 1000, 3},
                              {"NegativeExponent", "25E-1", 2.5, 5},
                              {"ExponentSignWithoutDigits", "1e+x", 1, 1},
                              {"Hex", "&HFF", 255, 4},
                              {"HexLowerCase", "&hfa", 250, 4},
                              {"HexStopsAtNonDigit", "&H1G", 1, 3},
                              {"HexWithoutDigits", "&H", 0, 0},
                              {"HexAllBitsIsMinusOne", "&HFFFFFFFF", -1, 10},
                              {"HexLeadingZeros", "&H000000000001", 1, 14},
                              {"HexBeyond32Bits", "&H100000000", 0, 11, true},
                              {"AmpersandAlone", "&x", 0, 0},
                              {"SignBeforeHexIsNoNumber", "-&H1", 0, 0},
                              {"BeyondDouble", "1e400", 0, 5, true},
                              {"SixteenDigits", "1234567890123456", 1234567890123456, 16},
                              {"ManyDigitsBeyondDouble", std::string(400, '9'), 0, 400, true},
                              {"TinyIsZero", "-1e-400", 0, 7},
                              {"TinyFractionIsZero", "0." + std::string(400, '0') + "1", 0, 403},
                              {"HugeExponent", "1e" + std::string(50, '9'), 0, 52, true},
                              {"ZeroWithHugeExponent", "00e99999", 0, 8},
                              {"Closest", "0.50196078431372548", 128.0 / 255.0, 19}};
    for (const ReadCase& c : table) {
        const NumberReader::Reading r = NumberReader::ReadLeadingNumber(c.text);
        EXPECT_EQ(r.Value, c.value) << c.name;
        EXPECT_EQ(r.Length, c.length) << c.name;
        EXPECT_EQ(r.Overflow, c.overflow) << c.name;
        EXPECT_FALSE(std::signbit(r.Value) && r.Value == 0) << c.name << ": a negative zero";
    }
}

TEST(ConvertToInt32, TakesOnlyAWholeNumberThatFits) {
    const std::pair<const char*, std::optional<std::int32_t>> table[] = {{"  42  ", 42},
                                                                         {"&HFFFFFFFF", -1},
                                                                         {"2.5", 2},
                                                                         {"3.5", 4},
                                                                         {"", std::nullopt},
                                                                         {"   ", std::nullopt},
                                                                         {"12abc", std::nullopt},
                                                                         {"1 2", std::nullopt},
                                                                         {"\t12", std::nullopt},
                                                                         {"&HGG0000", std::nullopt},
                                                                         {"2147483647", 2147483647},
                                                                         {"2147483647.5", std::nullopt},
                                                                         {"-2147483648", -2147483647 - 1},
                                                                         {"&H100000000", std::nullopt}};
    for (const auto& [text, expected] : table) {
        EXPECT_EQ(NumberReader::ConvertToInt32(text), expected) << '"' << text << '"';
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbourWhateverTheRoundingMode) {
    const std::pair<double, double> table[] = {
        {0.5, 0},     {1.5, 2},          {2.5, 2},
        {127.5, 128}, {2.5000000001, 3}, {2.4999999999, 2},
        {-2.5, -2},   {-3.5, -4},        {4503599627370497.0, 4503599627370497.0}};
    const int saved = std::fegetround();
    for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD}) {
        std::fesetround(mode);
        for (const auto& [x, expected] : table) {
            EXPECT_EQ(Rounding::RoundHalfEven(x), expected) << x << " in mode " << mode;
        }
    }
    std::fesetround(saved);
    EXPECT_TRUE(std::isinf(Rounding::RoundHalfEven(std::numeric_limits<double>::infinity())));
}

TEST(Rounding, ToInt32RejectsOrSaturatesWhatDoesNotFit) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(Rounding::TryRoundToInt32(2147483647.4), kMax);
    EXPECT_EQ(Rounding::TryRoundToInt32(-2147483648.5), kMin);
    EXPECT_FALSE(Rounding::TryRoundToInt32(2147483647.5));
    EXPECT_FALSE(Rounding::TryRoundToInt32(-2147483649.0));
    EXPECT_FALSE(Rounding::TryRoundToInt32(std::nan("")));
    EXPECT_EQ(Rounding::RoundToInt32(1e300), kMax);
    EXPECT_EQ(Rounding::RoundToInt32(-1e300), kMin);
    EXPECT_EQ(Rounding::RoundToInt32(std::nan("")), 0);
    EXPECT_EQ(Rounding::RoundToInt32(-127.5), -128);
    EXPECT_EQ(Rounding::ToSingle(128.0 / 255.0), 0.501960814f);
}

} // namespace
