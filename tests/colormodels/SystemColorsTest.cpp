#include "colormodels/SystemColors.h"

#include "colormodels/modColorModels.h"

#include <gtest/gtest.h>

namespace {

class FixedSource final : public SystemColors::Source {
public:
    OLE_COLOR ColorOf(int index) const override { return 0x010101 * index; }
};

// Installs a fake source for one test and puts the previous one back.
class SystemColorsTest : public testing::Test {
protected:
    void SetUp() override { mPrevious = SystemColors::Install(std::make_unique<FixedSource>()); }
    void TearDown() override { SystemColors::Install(std::move(mPrevious)); }

private:
    std::unique_ptr<SystemColors::Source> mPrevious;
};

TEST(OleTranslateColor, PlainValuesAreThemselves) {
    EXPECT_EQ(SystemColors::OleTranslateColor(0), 0);
    EXPECT_EQ(SystemColors::OleTranslateColor(0xFFFFFF), 0xFFFFFF);
    EXPECT_EQ(SystemColors::OleTranslateColor(0x8BD9FE), 0x8BD9FE);
}

TEST(OleTranslateColor, OnlyIndexesUpTo30AndTheTwoHighBytes) {
    for (std::uint32_t bits :
         {0x8000001Fu, 0x80000100u, 0x80010005u, 0x01000005u, 0x02123456u, 0x7F000000u, 0xFFFFFFFFu}) {
        EXPECT_FALSE(SystemColors::OleTranslateColor(OleColor::FromBits(bits))) << std::hex << bits;
        EXPECT_EQ(modColorModels::TranslateColor(OleColor::FromBits(bits)), 0) << std::hex << bits;
    }
}

TEST(OleTranslateColor, ClassicTableCoversEveryIndex) {
    const auto& table = SystemColors::ClassicSource::Table();
    for (int i = 0; i <= SystemColors::MaxIndex; ++i) {
        const auto rgb = SystemColors::OleTranslateColor(OleColor::SystemColor(i));
        ASSERT_TRUE(rgb) << i;
        EXPECT_EQ(*rgb, table[static_cast<std::size_t>(i)]);
        EXPECT_EQ(*rgb & ~0xFFFFFF, 0) << "index " << i << " is not a plain RGB value";
    }
    EXPECT_EQ(table[5], 0xFFFFFF);                      // window background
    EXPECT_EQ(table[8], 0);                             // window text
    EXPECT_EQ(table[15], OleColor::Rgb(212, 208, 200)); // button face
}

TEST_F(SystemColorsTest, TranslationFollowsTheInstalledSource) {
    EXPECT_EQ(modColorModels::TranslateColor(OleColor::SystemColor(15)), 0x0F0F0F);
    EXPECT_EQ(modColorModels::GrayValueOfColor(OleColor::SystemColor(30), false), 30);
    EXPECT_FALSE(SystemColors::OleTranslateColor(OleColor::SystemColor(31)));
}

TEST_F(SystemColorsTest, InstallingNothingRestoresTheClassicTable) {
    auto fake = SystemColors::Install(nullptr);
    EXPECT_EQ(modColorModels::TranslateColor(OleColor::SystemColor(15)), OleColor::Rgb(212, 208, 200));
    SystemColors::Install(std::move(fake));
    EXPECT_EQ(modColorModels::TranslateColor(OleColor::SystemColor(15)), 0x0F0F0F);
}

} // namespace
