#include "namedcolors/TextRules.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRules, ValidatesUtf8Strictly) {
    EXPECT_TRUE(TextRules::IsValid(""));
    EXPECT_TRUE(TextRules::IsValid("plain \xC3\xBC \xE2\x82\xAC \xF0\x9F\x8E\xA8"));
    EXPECT_FALSE(TextRules::IsValid("\xC3"));             // cut short
    EXPECT_FALSE(TextRules::IsValid("\xE2\x82"));         // cut short
    EXPECT_FALSE(TextRules::IsValid("\x80"));             // stray continuation
    EXPECT_FALSE(TextRules::IsValid("\xC1\xBF"));         // overlong
    EXPECT_FALSE(TextRules::IsValid("\xE0\x9F\xBF"));     // overlong
    EXPECT_FALSE(TextRules::IsValid("\xF0\x8F\xBF\xBF")); // overlong
    EXPECT_FALSE(TextRules::IsValid("\xED\xBF\xBF"));     // surrogate
    EXPECT_FALSE(TextRules::IsValid("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(TextRules::IsValid("\xFF"));
}

TEST(TextRules, CutsByCharacters) {
    const std::string_view text = "a\xC3\xBC"
                                  "b\xE2\x82\xAC";
    EXPECT_EQ(TextRules::CharCount(text), 4u);
    EXPECT_EQ(TextRules::Mid(text, 1, 2), "\xC3\xBC"
                                          "b");
    EXPECT_EQ(TextRules::Mid(text, 3, 5), "\xE2\x82\xAC");
    EXPECT_EQ(TextRules::Mid(text, 9, 2), "");
    EXPECT_EQ(TextRules::Right(text, 2), "b\xE2\x82\xAC");
    EXPECT_EQ(TextRules::Right(text, 9), text);
}

TEST(TextRules, TrimsOnlySpaces) {
    EXPECT_EQ(TextRules::TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TextRules::TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TextRules::TrimSpaces("   "), "");
}

TEST(TextRules, SplitsArgumentsIntoExactlyThreeTrimmedPieces) {
    std::string pieces[3];
    ASSERT_TRUE(TextRules::SplitArguments(" RGB( 1,\t2 , 3 )", "RGB", pieces));
    EXPECT_EQ(pieces[0], "1");
    EXPECT_EQ(pieces[1], "\t2");
    EXPECT_EQ(pieces[2], "3");
    ASSERT_TRUE(TextRules::SplitArguments(",,", "", pieces));
    EXPECT_EQ(pieces[0] + pieces[1] + pieces[2], "");
    EXPECT_FALSE(TextRules::SplitArguments("1, 2", "RGB", pieces));
    EXPECT_FALSE(TextRules::SplitArguments("1, 2, 3, 4", "RGB", pieces));
    EXPECT_EQ(pieces[0] + pieces[1] + pieces[2], "");
    EXPECT_FALSE(TextRules::SplitArguments("", "", pieces));
}

TEST(TextRules, RemovesTheWordBeforeTheParentheses) {
    std::string pieces[3];
    ASSERT_TRUE(TextRules::SplitArguments("RRGBGB,R(GB,((x))RGB", "RGB", pieces));
    EXPECT_EQ(pieces[0], "RGB"); // one pass: what the removal joins stays
    EXPECT_EQ(pieces[1], "RGB"); // the parenthesis goes only after the word
    EXPECT_EQ(pieces[2], "x");
    ASSERT_TRUE(TextRules::SplitArguments("RGB,rgb,RGB", "", pieces));
    EXPECT_EQ(pieces[0], "RGB");
}

} // namespace
