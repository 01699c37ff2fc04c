#include "common/NumberReader.h"

#include "support/ByName.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

using NumberReader::ConvertToInt32;
using NumberReader::ReadLeadingNumber;

struct ReadCase {
    const char* name;
    std::string text;
    double value;
    std::size_t length;
    bool overflow = false;
};

class ReadLeadingNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLeadingNumberTest, GivesTheValueAndWhereTheNumberEnds) {
    const auto& c = GetParam();
    const NumberReader::Reading r = ReadLeadingNumber(c.text);
    EXPECT_EQ(r.Value, c.value);
    EXPECT_EQ(r.Length, c.length);
    EXPECT_EQ(r.Overflow, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadLeadingNumberTest,
    testing::Values(
        ReadCase{"Integer", "255", 255, 3}, ReadCase{"StopsAtText", "12abc", 12, 2},
        ReadCase{"NoNumber", "abc", 0, 0}, ReadCase{"Empty", "", 0, 0}, ReadCase{"OnlyBlanks", " \t\n", 0, 0},
        ReadCase{"LeadingBlanks", "  \t7", 7, 4}, ReadCase{"BlanksInside", "1 2\t3\n4x", 1234, 7},
        ReadCase{"TrailingBlanksNotCounted", "5   ", 5, 1}, ReadCase{"CarriageReturnStops", "1\r2", 1, 1},
        ReadCase{"Fraction", "10.5", 10.5, 4}, ReadCase{"LeadingPoint", ".25", 0.25, 3},
        ReadCase{"TrailingPoint", "5.", 5, 2}, ReadCase{"PointAlone", ".", 0, 0},
        ReadCase{"SecondPointStops", "1.2.3", 1.2, 3}, ReadCase{"CommaIsNoSeparator", "0,5", 0, 1},
        ReadCase{"Negative", "-2", -2, 2}, ReadCase{"Plus", "+3", 3, 2}, ReadCase{"SignAlone", "-", 0, 0},
        ReadCase{"SignThenBlank", "- 4", -4, 3}, ReadCase{"NegativeZeroIsZero", "-0", 0, 2},
        ReadCase{"Exponent", "1e3", 1000, 3}, ReadCase{"ExponentUpperCaseNegative", "25E-1", 2.5, 5},
        ReadCase{"ExponentWithoutDigits", "1e", 1, 1}, ReadCase{"ExponentSignWithoutDigits", "1e+x", 1, 1},
        ReadCase{"Hex", "&HFF", 255, 4}, ReadCase{"HexLowerCase", "&hff", 255, 4},
        ReadCase{"HexStopsAtNonDigit", "&H1G", 1, 3}, ReadCase{"HexWithoutDigits", "&H", 0, 0},
        ReadCase{"HexAllBitsIsMinusOne", "&HFFFFFFFF", -1, 10},
        ReadCase{"HexSystemColour", "&H8000000F", -2147483633, 10},
        ReadCase{"HexLeadingZeros", "&H000000000001", 1, 14},
        ReadCase{"HexBeyondThirtyTwoBits", "&H100000000", 0, 11, true}, ReadCase{"AmpersandAlone", "&", 0, 0},
        ReadCase{"SignBeforeHexIsNoNumber", "-&H1", 0, 0},
        ReadCase{"DecimalBeyondDouble", "1e400", 0, 5, true},
        ReadCase{"ManyDigitsBeyondDouble", std::string(400, '9'), 0, 400, true},
        ReadCase{"TinyIsZero", "1e-400", 0, 6},
        ReadCase{"TinyFractionIsZero", "0." + std::string(400, '0') + "1", 0, 403},
        ReadCase{"HugeExponentDigits", "1e" + std::string(50, '9'), 0, 52, true},
        ReadCase{"ZeroWithHugeExponent", "0e99999", 0, 7},
        ReadCase{"NulStops",
                 std::string("4\0"
                             "5",
                             3),
                 4, 1}),
    ByName());

TEST(ReadLeadingNumber, ReadsTheClosestDouble) {
    EXPECT_EQ(ReadLeadingNumber("0.1").Value, 0.1);
    EXPECT_EQ(ReadLeadingNumber("0.50196078431372548").Value, 128.0 / 255.0);
    EXPECT_EQ(ReadLeadingNumber("-1.7976931348623157e308").Value, -1.7976931348623157e308);
}

struct ConvertCase {
    const char* name;
    const char* text;
    std::optional<std::int32_t> expected;
};

class ConvertToInt32Test : public testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertToInt32Test, ConvertsOnlyAWholeNumber) {
    EXPECT_EQ(ConvertToInt32(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertToInt32Test,
    testing::Values(ConvertCase{"Decimal", "42", 42}, ConvertCase{"SpacesAround", "  42  ", 42},
                    ConvertCase{"Hex", "&HFF", 255}, ConvertCase{"HexAllBits", "&HFFFFFFFF", -1},
                    ConvertCase{"HalfToEven", "2.5", 2}, ConvertCase{"OddHalfUp", "3.5", 4},
                    ConvertCase{"Negative", "-7", -7}, ConvertCase{"Exponent", "1e3", 1000},
                    ConvertCase{"Empty", "", std::nullopt}, ConvertCase{"OnlySpaces", "   ", std::nullopt},
                    ConvertCase{"Letters", "xyz", std::nullopt},
                    ConvertCase{"TrailingText", "12abc", std::nullopt},
                    ConvertCase{"InnerSpace", "1 2", std::nullopt}, ConvertCase{"Tab", "\t12", std::nullopt},
                    ConvertCase{"HexWithoutDigits", "&H", std::nullopt},
                    ConvertCase{"HexBadDigit", "&HGG0000", std::nullopt},
                    ConvertCase{"LargestInt", "2147483647", 2147483647},
                    ConvertCase{"BeyondInt", "2147483648", std::nullopt},
                    ConvertCase{"RoundsBeyondInt", "2147483647.5", std::nullopt},
                    ConvertCase{"SmallestInt", "-2147483648", -2147483647 - 1},
                    ConvertCase{"HexBeyondBits", "&H100000000", std::nullopt},
                    ConvertCase{"DecimalComma", "1,5", std::nullopt}),
    ByName());

} // namespace
