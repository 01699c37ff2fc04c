#pragma once

#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <string>

// Switches the global C and C++ locales to German, whose decimal separator is ",", for the
// lifetime of a test, and back afterwards. tools/setup.sh test generates the locale.
class CommaLocale : public testing::Test {
protected:
    void SetUp() override {
        mSavedC = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                mSavedCpp = std::locale::global(std::locale(name));
                mSwitched = true;
                break;
            }
        }
        ASSERT_TRUE(mSwitched) << "the de_DE.UTF-8 locale is missing (tools/setup.sh test generates it)";
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }
    void TearDown() override {
        if (mSwitched) {
            std::locale::global(mSavedCpp);
        }
        std::setlocale(LC_ALL, mSavedC.c_str());
    }

private:
    std::string mSavedC;
    std::locale mSavedCpp;
    bool mSwitched = false;
};
