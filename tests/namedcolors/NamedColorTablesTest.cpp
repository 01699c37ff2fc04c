#include "namedcolors/modNamedColors.h"
#include "support/ByName.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace modNamedColors;

namespace {

struct Table {
    NameList Names;
    ValueList Values;
};

Table SystemTable() {
    Table t;
    GetSystemColors(t.Names, t.Values);
    return t;
}
Table BaseTable() {
    Table t;
    GetBaseColors(t.Names, t.Values);
    return t;
}
Table HTMLTable() {
    Table t;
    GetHTMLColors(t.Names, t.Values);
    return t;
}

constexpr OLE_COLOR FromWeb(std::uint32_t rrggbb) {
    return static_cast<OLE_COLOR>(((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | (rrggbb >> 16));
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// --- Shape of each table ---------------------------------------------------------------------

TEST(SystemColorTable, HasTwentyNineEntriesFromScrollBarsToWindowText) {
    const Table t = SystemTable();
    ASSERT_EQ(t.Names.size(), 29u);
    ASSERT_EQ(t.Values.size(), 29u);
    EXPECT_EQ(t.Names.front(), "SYS_3DDKShadow");
    EXPECT_EQ(t.Values.front(), OleColor::FromBits(0x80000015));
    EXPECT_EQ(t.Names.back(), "SYS_WindowText");
    EXPECT_EQ(t.Values.back(), OleColor::FromBits(0x80000008));
    EXPECT_TRUE(std::is_sorted(t.Names.begin(), t.Names.end()));
}

TEST(SystemColorTable, FourIndexesHaveTwoNames) {
    const Table t = SystemTable();
    EXPECT_EQ(std::set<OLE_COLOR>(t.Values.begin(), t.Values.end()).size(), 25u);
    const auto valueOf = [&](const std::string& name) {
        const auto at = std::find(t.Names.begin(), t.Names.end(), name);
        return at == t.Names.end() ? 0 : t.Values[static_cast<std::size_t>(at - t.Names.begin())];
    };
    EXPECT_EQ(valueOf("SYS_3DFace"), OleColor::FromBits(0x8000000F));
    EXPECT_EQ(valueOf("SYS_ButtonFace"), OleColor::FromBits(0x8000000F));
    EXPECT_EQ(valueOf("SYS_3DShadow"), valueOf("SYS_ButtonShadow"));
    EXPECT_EQ(valueOf("SYS_ActiveTitleBarText"), valueOf("SYS_TitleBarText"));
    EXPECT_EQ(valueOf("SYS_InactiveCaptionText"), OleColor::FromBits(0x80000013));
    EXPECT_EQ(valueOf("SYS_InactiveTitleBarText"), OleColor::FromBits(0x80000013));
    EXPECT_EQ(valueOf("SYS_ScrollBars"), OleColor::FromBits(0x80000000));
    EXPECT_EQ(valueOf("SYS_Desktop"), OleColor::FromBits(0x80000001));
    EXPECT_EQ(valueOf("SYS_InfoBackground"), OleColor::FromBits(0x80000018));
}

TEST(BaseColorTable, HasElevenEntriesFromBlackToGray75) {
    const Table t = BaseTable();
    ASSERT_EQ(t.Names.size(), 11u);
    ASSERT_EQ(t.Values.size(), 11u);
    EXPECT_EQ(t.Names.front(), "BASE_Black");
    EXPECT_EQ(t.Values.front(), 0x000000);
    EXPECT_EQ(t.Names[1], "BASE_Red");
    EXPECT_EQ(t.Values[1], 0x0000FF);
    EXPECT_EQ(t.Names[8], "BASE_Gray25");
    EXPECT_EQ(t.Values[8], 0xC0C0C0);
    EXPECT_EQ(t.Names.back(), "BASE_Gray75");
    EXPECT_EQ(t.Values.back(), 0x404040);
}

TEST(HTMLColorTable, HasSixteenClassicThenOneHundredTwentyExtendedInOrder) {
    const Table t = HTMLTable();
    ASSERT_EQ(t.Names.size(), 136u);
    ASSERT_EQ(t.Values.size(), 136u);
    EXPECT_EQ(t.Names.front(), "HTMLB_Black");
    EXPECT_EQ(t.Names[15], "HTMLB_White");
    EXPECT_EQ(t.Names[16], "HTMLS_Aliceblue");
    EXPECT_EQ(t.Values[16], 0xFFF8F0);
    EXPECT_EQ(t.Names.back(), "HTMLS_Yellowgreen");
    EXPECT_EQ(t.Values.back(), 0x32CD9A);
    for (std::size_t i = 0; i < t.Names.size(); ++i) {
        EXPECT_EQ(t.Names[i].rfind(i < 16 ? "HTMLB_" : "HTMLS_", 0), 0u) << t.Names[i];
        EXPECT_EQ(t.Values[i] & ~0xFFFFFF, 0) << t.Names[i];
    }
    EXPECT_TRUE(
        std::is_sorted(t.Names.begin() + 16, t.Names.end(),
                       [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); }));
}

TEST(HTMLColorTable, SpellsOnlyLightgreyWithGreyAndLeavesOutFourKeywords) {
    const Table t = HTMLTable();
    for (const std::string& name : t.Names) {
        EXPECT_TRUE(name.find("grey") == std::string::npos || name == "HTMLS_Lightgrey") << name;
        for (const char* absent : {"cyan", "magenta", "bisque", "blanchedalmond"}) {
            EXPECT_NE(Lower(name).substr(6), absent);
        }
    }
}

// --- Values against the CSS keyword list (looked up independently as #RRGGBB) ------------------

struct CssKeyword {
    const char* name;
    std::uint32_t web;
};

class CssKeywordTest : public testing::TestWithParam<CssKeyword> {};

TEST_P(CssKeywordTest, HasTheKeywordsValue) {
    const Table t = HTMLTable();
    const auto at = std::find_if(t.Names.begin(), t.Names.end(),
                                 [&](const std::string& n) { return Lower(n.substr(6)) == GetParam().name; });
    ASSERT_NE(at, t.Names.end()) << GetParam().name;
    EXPECT_EQ(t.Values[static_cast<std::size_t>(at - t.Names.begin())], FromWeb(GetParam().web));
}

INSTANTIATE_TEST_SUITE_P(
    Sample, CssKeywordTest,
    testing::Values(CssKeyword{"black", 0x000000}, CssKeyword{"gray", 0x808080},
                    CssKeyword{"maroon", 0x800000}, CssKeyword{"green", 0x008000},
                    CssKeyword{"lime", 0x00FF00}, CssKeyword{"olive", 0x808000}, CssKeyword{"navy", 0x000080},
                    CssKeyword{"purple", 0x800080}, CssKeyword{"teal", 0x008080},
                    CssKeyword{"aqua", 0x00FFFF}, CssKeyword{"silver", 0xC0C0C0},
                    CssKeyword{"aliceblue", 0xF0F8FF}, CssKeyword{"antiquewhite", 0xFAEBD7},
                    CssKeyword{"crimson", 0xDC143C}, CssKeyword{"darkgoldenrod", 0xB8860B},
                    CssKeyword{"darkslategray", 0x2F4F4F}, CssKeyword{"dimgray", 0x696969},
                    CssKeyword{"gainsboro", 0xDCDCDC}, CssKeyword{"goldenrod", 0xDAA520},
                    CssKeyword{"indigo", 0x4B0082}, CssKeyword{"lightgoldenrodyellow", 0xFAFAD2},
                    CssKeyword{"mediumpurple", 0x9370DB}, CssKeyword{"orangered", 0xFF4500},
                    CssKeyword{"palevioletred", 0xDB7093}, CssKeyword{"yellowgreen", 0x9ACD32}),
    ByName());

// --- Name lookups ----------------------------------------------------------------------------

TEST(NameOfColor, FindsTheOneNameOfAValueInEachTable) {
    EXPECT_EQ(NameOfBaseColor(0x808080), "BASE_Gray50");
    EXPECT_EQ(NameOfHTMLColor(0x808080), "HTMLB_Gray");
    EXPECT_EQ(NameOfBaseColor(0x404040), "BASE_Gray75");
    EXPECT_EQ(NameOfHTMLColor(0x404040), "");
    EXPECT_EQ(NameOfBaseColor(0x123456), "");
    EXPECT_EQ(NameOfHTMLColor(0x123456), "");
    EXPECT_EQ(NameOfHTMLColor(0xFFFF00), "HTMLB_Aqua");
    EXPECT_EQ(NameOfHTMLColor(0xFF00FF), "HTMLB_Fuchsia");
    EXPECT_EQ(NameOfHTMLColor(OleColor::FromBits(0x80000000)), "");
    EXPECT_EQ(NameOfBaseColor(-1), "");
}

TEST(NameOfColor, EveryBaseColorButGray75HasAWebTwin) {
    const Table base = BaseTable();
    // clang-format off
    const std::vector<std::string> twins = {"HTMLB_Black", "HTMLB_Red", "HTMLB_Lime", "HTMLB_Blue",
        "HTMLB_Aqua", "HTMLB_Fuchsia", "HTMLB_Yellow", "HTMLB_White", "HTMLB_Silver", "HTMLB_Gray", ""};
    // clang-format on
    ASSERT_EQ(base.Values.size(), twins.size());
    for (std::size_t i = 0; i < twins.size(); ++i) {
        EXPECT_EQ(NameOfHTMLColor(base.Values[i]), twins[i]) << base.Names[i];
    }
}

TEST(NameOfColor, ResolvesEveryTableEntryBackToItsName) {
    const Table base = BaseTable();
    for (std::size_t i = 0; i < base.Names.size(); ++i) {
        EXPECT_EQ(NameOfBaseColor(base.Values[i]), base.Names[i]);
    }
    const Table web = HTMLTable();
    for (std::size_t i = 0; i < web.Names.size(); ++i) {
        EXPECT_EQ(NameOfHTMLColor(web.Values[i]), web.Names[i]);
    }
}

// --- Filling and adding ----------------------------------------------------------------------

TEST(FillingATable, ReplacesWhateverTheArraysHeld) {
    Table t = SystemTable();
    GetBaseColors(t.Names, t.Values);
    ASSERT_EQ(t.Names.size(), 11u);
    EXPECT_EQ(t.Names.front(), "BASE_Black");
    t.Names.assign(500, "stale");
    t.Values.assign(700, 42);
    GetHTMLColors(t.Names, t.Values);
    EXPECT_EQ(t.Names.size(), 136u);
    EXPECT_EQ(t.Values.size(), 136u);
    EXPECT_EQ(std::count(t.Names.begin(), t.Names.end(), "stale"), 0);
    GetSystemColors(t.Names, t.Values);
    EXPECT_EQ(t.Names.size(), 29u);
    EXPECT_EQ(t.Values.size(), 29u);
}

TEST(AddingAnEntry, AppendsAtCountAndCutsLongerArrays) {
    NameList names(5, "old");
    ValueList values(5, 7);
    std::int32_t count = 0;
    AddSystemColor("Desktop", OleColor::SystemColor(1), names, values, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(names, NameList{"SYS_Desktop"});
    EXPECT_EQ(values, ValueList{OleColor::SystemColor(1)});
    AddBaseColor(0x404040, names, values, count);
    AddHTMLColor(0xFFFF00, names, values, count);
    AddHTMLColor(0x123456, names, values, count); // no name in the table
    EXPECT_EQ(count, 4);
    EXPECT_EQ(names, (NameList{"SYS_Desktop", "BASE_Gray75", "HTMLB_Aqua", ""}));
    EXPECT_EQ(values, (ValueList{OleColor::SystemColor(1), 0x404040, 0xFFFF00, 0x123456}));
}

TEST(AddingAnEntry, GrowsShortArraysToCount) {
    NameList names;
    ValueList values;
    std::int32_t count = 3;
    AddBaseColor(0, names, values, count);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(names, (NameList{"", "", "", "BASE_Black"}));
    EXPECT_EQ(values, (ValueList{0, 0, 0, 0}));
}

TEST(AddingAnEntry, TreatsANegativeCountAsZero) {
    NameList names(2, "old");
    ValueList values(2, 1);
    std::int32_t count = -5;
    AddBaseColor(0xFFFFFF, names, values, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(names, NameList{"BASE_White"});
}

} // namespace
