#pragma once

#include <clocale>
#include <gtest/gtest.h>
#include <string>

// Puts the C locale to German, whose decimal separator is ",", for one test, and back after.
// tools/setup.sh test generates the locale.
class CommaLocale : public testing::Test {
protected:
    void SetUp() override {
        mSaved = std::setlocale(LC_ALL, nullptr);
        ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "no de_DE.UTF-8 locale (tools/setup.sh test makes it)";
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, mSaved.c_str()); }

private:
    std::string mSaved;
};
