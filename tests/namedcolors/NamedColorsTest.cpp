// The named colour tables, the user's colours file and the colour notation, with the worked
// cases of their definitions, and the notation round trip over the whole colour cube.
#include "namedcolors/CommaLocale.h"
#include "namedcolors/modNamedColors.h"
#include "namedcolors/modTintrix.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

using namespace modNamedColors;
using namespace modTintrix;
namespace fs = std::filesystem;

namespace {

TEST(NamedColorTables, HoldTheEntriesInTheirOrder) {
    NameList names(500, "stale");
    ValueList values(700, 42);
    GetSystemColors(names, values);
    ASSERT_EQ(values.size(), 29u);
    EXPECT_EQ(names.front() + names[9] + names.back(), "SYS_3DDKShadowSYS_ButtonFaceSYS_WindowText");
    EXPECT_EQ(values.front(), OleColor::SystemColor(21));
    EXPECT_EQ(values[1], values[9]); // 3DFace and ButtonFace: 15
    EXPECT_EQ(values[24], OleColor::SystemColor(0));
    EXPECT_EQ(std::set<OLE_COLOR>(values.begin(), values.end()).size(), 25u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    GetBaseColors(names, values);
    EXPECT_EQ(names,
              (NameList{"BASE_Black", "BASE_Red", "BASE_Green", "BASE_Blue", "BASE_Cyan", "BASE_Magenta",
                        "BASE_Yellow", "BASE_White", "BASE_Gray25", "BASE_Gray50", "BASE_Gray75"}));
    EXPECT_EQ(values, (ValueList{0, 0xFF, 0xFF00, 0xFF0000, 0xFFFF00, 0xFF00FF, 0xFFFF, 0xFFFFFF, 0xC0C0C0,
                                 0x808080, 0x404040}));
    GetHTMLColors(names, values);
    ASSERT_EQ(names.size(), 136u);
    ASSERT_EQ(values.size(), 136u);
    // The first 16 and a sample of the 120 others against the CSS keywords, looked up as #RRGGBB.
    const std::pair<std::size_t, std::uint32_t> web[] = {
        {0, 0x000000},  {1, 0x808080},  {2, 0x800000},   {4, 0x008000},   {6, 0x808000},
        {8, 0x000080},  {10, 0x800080}, {12, 0x008080},  {13, 0x00FFFF},  {14, 0xC0C0C0},
        {16, 0xF0F8FF}, {17, 0xFAEBD7}, {30, 0xDC143C},  {33, 0xB8860B},  {45, 0x2F4F4F},
        {50, 0x696969}, {55, 0xDCDCDC}, {58, 0xDAA520},  {63, 0x4B0082},  {73, 0xFAFAD2},
        {75, 0xD3D3D3}, {88, 0x9370DB}, {102, 0xFF4500}, {107, 0xDB7093}, {135, 0x9ACD32}};
    for (const auto& [at, rrggbb] : web) {
        EXPECT_EQ(values[at], OleColor::Rgb(rrggbb >> 16, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF)) << names[at];
    }
    EXPECT_EQ(names[15] + names[16] + names[75] + names[135],
              "HTMLB_WhiteHTMLS_AliceblueHTMLS_LightgreyHTMLS_Yellowgreen");
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(NameOfHTMLColor(values[i]), names[i]); // every value once, under its name
        EXPECT_EQ(names[i].find("grey") == std::string::npos, i != 75) << names[i];
    }
}

TEST(NamedColorTables, NameTheValuesAndAddOneEntryAtCount) {
    const std::pair<OLE_COLOR, const char*> names[] = {{0x808080, "BASE_Gray50HTMLB_Gray"},
                                                       {0x404040, "BASE_Gray75"},
                                                       {0x123456, ""},
                                                       {0xFFFF00, "BASE_CyanHTMLB_Aqua"},
                                                       {0xFF00FF, "BASE_MagentaHTMLB_Fuchsia"},
                                                       {0x00FF00, "BASE_GreenHTMLB_Lime"},
                                                       {0xC0C0C0, "BASE_Gray25HTMLB_Silver"},
                                                       {OleColor::SystemColor(0), ""},
                                                       {-1, ""}};
    for (const auto& [color, expected] : names) {
        EXPECT_EQ(NameOfBaseColor(color) + NameOfHTMLColor(color), expected) << std::hex << color;
    }
    NameList list(5, "old");
    ValueList values(5, 7);
    std::int32_t count = 0;
    AddSystemColor("Desktop", OleColor::SystemColor(1), list, values, count);
    EXPECT_EQ(list, NameList{"SYS_Desktop"});
    count = 3;
    AddBaseColor(0x404040, list, values, count);
    AddHTMLColor(0x123456, list, values, count);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(list, (NameList{"SYS_Desktop", "", "", "BASE_Gray75", ""}));
    EXPECT_EQ(values, (ValueList{OleColor::SystemColor(1), 0, 0, 0x404040, 0x123456}));
}

TEST(UserColorsFile, GivesEveryEntryOrNoneAtAll) {
    const struct {
        const char* name;
        std::string text;
        NameList names;
        ValueList values;
    } table[] = {{"WithAComment",
                  "; my palette\r\n\r\nCorporate blue &HA05000\r\nSea &HAA8800\r\n",
                  {"USER_Corporate blue", "USER_Sea"},
                  {0xA05000, 0xAA8800}},
                 {"OrderAndDuplicatesKept",
                  "Z &H0000FF\r\nA &H0000FF\r\nZ &H00ff00",
                  {"USER_Z", "USER_A", "USER_Z"},
                  {0xFF, 0xFF, 0xFF00}},
                 {"LowerCaseHMakesNoEntry", "Blue &hA05000\r\nRed &H0000FF", {"USER_Red"}, {0xFF}},
                 {"SpacesAroundIgnoredTabsKept", "   Sky\t  &H123456   ", {"USER_Sky\t"}, {0x123456}},
                 {"LoneLineFeedsInsideAName", "a\nb &H000001", {"USER_a\nb"}, {1}},
                 {"NulIsACharacter", std::string("N\0 &H000001\r\n", 14), {std::string("USER_N\0", 7)}, {1}},
                 {"ValueFromTheFirstMarkerOn", "A&HB &H000001", {}, {}},
                 {"BlankName", "Red &H0000FF\r\n   &H0000FF", {}, {}},
                 {"SevenCharacters", "Red &H0000F", {}, {}},
                 {"NineCharacters", "Red &H0000FF0", {}, {}},
                 {"NotHexadecimal", "Red &HGG0000", {}, {}},
                 {"SignInsideValue", "Red &H-00001", {}, {}},
                 {"BadLineVoidsTheGoodOnes", "A &H000001\r\nB &H00000Z\r\nC &H000003", {}, {}},
                 {"LineFeedOnlyFile", "A &H000001\nB &H000002\n", {}, {}},
                 {"CommentMentioningTheMarker", "; values are &HBBGGRR\r\nRed &H0000FF", {}, {}},
                 {"OnlyComments", "; nothing here\r\n\r\n", {}, {}}};
    for (const auto& c : table) {
        NameList names{"stale"};
        ValueList values{1};
        EXPECT_EQ(ParseUserDefinedColors(c.text, "USER_", names, values),
                  static_cast<std::int32_t>(c.names.size()))
            << c.name;
        EXPECT_EQ(names, c.names) << c.name;
        EXPECT_EQ(values, c.values) << c.name;
    }
    NameList kept{"kept"};
    ValueList values{5};
    EXPECT_EQ(ParseUserDefinedColors("", "USER_", kept, values), 0);
    EXPECT_EQ(kept, NameList{"kept"});
}

TEST(UserColorsFile, ReadsUtf8AsItIsAndOtherBytesAsWindows1252) {
    const std::pair<std::string, std::string> table[] = {
        {"Gr\xC3\xBCn \xE2\x82\xAC\xF0\x9F\x8E\xA8", "Gr\xC3\xBCn \xE2\x82\xAC\xF0\x9F\x8E\xA8"},
        {"\xEF\xBB\xBFRed", "Red"},
        {"Gr\xFCn", "Gr\xC3\xBCn"},
        {"\x80\x9F\x81", "\xE2\x82\xAC\xC5\xB8\xC2\x81"},
        {"\xC3\xBC\xFC", "\xC3\x83\xC2\xBC\xC3\xBC"},
        {"\xC3", "\xC3\x83"},
        {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},
        {"\xC1\x80\x80\x80", "\xC3\x81\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},
        {"\xE0\x9F\xBF", "\xC3\xA0\xC5\xB8\xC2\xBF"},
        {"\xF0\x8F\xBF\xBF", "\xC3\xB0\xC2\x8F\xC2\xBF\xC2\xBF"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
        {"\xF5", "\xC3\xB5"}};
    for (const auto& [bytes, text] : table) {
        EXPECT_EQ(DecodeTextFile(bytes), text) << testing::PrintToString(bytes);
    }
}

TEST(UserColorsFile, ReadsTheFileCreatesAMissingOneAndLeavesTheRestAlone) {
    const fs::path folder = fs::temp_directory_path() / ("tintrix-user-colors-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path file = folder / "UserDefinedColors.txt";
    NameList names{"kept"};
    ValueList values{1};
    EXPECT_EQ(GetUserDefinedColors(file.string(), "USER_", names, values), 0);
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(names, NameList{"kept"});
    std::ofstream(file, std::ios::binary) << "Corporate blue &HA05000\r\nGr\xFCn &H00FF00\r\n";
    ASSERT_EQ(GetUserDefinedColors(file.string(), "", names, values), 2);
    EXPECT_EQ(names, (NameList{"Corporate blue", "Gr\xC3\xBCn"}));
    EXPECT_EQ(values, (ValueList{0xA05000, 0x00FF00}));
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0); // without a writer it would block
    for (const fs::path& path :
         {folder / "no such folder" / "x.txt", folder, folder / "fifo", fs::path("/dev/zero")}) {
        EXPECT_EQ(ReadTextFile(path.string()), "") << path;
    }
    EXPECT_FALSE(fs::exists(folder / "no such folder"));
    fs::resize_file(file, std::uintmax_t{64} << 20); // sparse, NUL bytes after the entries
    EXPECT_EQ(GetUserDefinedColors(file.string(), "USER_", names, values), 2);
    fs::resize_file(file, (std::uintmax_t{64} << 20) + 1);
    EXPECT_EQ(ReadTextFile(file.string()), "");
    fs::remove_all(folder);
}

TEST(ColorNotation, WritesTheAlignedForms) {
    const std::tuple<OLE_COLOR, int, const char*> lines[] = {
        {0x0000FF, 0, "&H0000FF #FF0000 RGB(255,   0,   0)"},
        {0xA05000, 0, "&HA05000 #0050A0 RGB(  0,  80, 160)"},
        {0x808080, 2, "&H808080 #808080 RGB(128, 128, 128) HSV(  0, 0.0000, 0.5020)"},
        {0x000000, 2, "&H000000 #000000 RGB(  0,   0,   0) HSV(  0, 0.0000, 0.0000)"},
        {0xFF0000, 2, "&HFF0000 #0000FF RGB(  0,   0, 255) HSV(240, 1.0000, 1.0000)"},
        {OleColor::SystemColor(15), 0, "&HC8D0D4 #D4D0C8 RGB(212, 208, 200)"},
        {-1, 0, "&H000000 #000000 RGB(  0,   0,   0)"},
        {0x0000FF, 3, ""},
        {0x0000FF, -1, ""}};
    for (const auto& [color, mode, expected] : lines) {
        EXPECT_EQ(FormatColorText(color, HSBValues{}, mode), expected);
    }
    EXPECT_EQ(FormatRGBText(0x0A0B0C), "&H0A0B0C #0C0B0A RGB( 12,  11,  10)");
    EXPECT_EQ(FormatColorText(0xFFFFFF, HSBValues{120, 0.5f, 0.25f}, 1), "HSV(120, 0.5000, 0.2500)");
    EXPECT_EQ(FormatHSVText(HSBValues{7, 0.12345f, 0.99999f}), "HSV(  7, 0.1235, 1.0000)");
    const std::tuple<std::int32_t, std::int32_t, bool, const char*> hex[] = {
        {5, 2, false, "05"},
        {10, 0, false, "0A"},
        {0xFFFFFF, 6, true, "&HFFFFFF"},
        {0xFF, 6, true, "&H0000FF"},
        {OleColor::FromBits(0x80000005), 8, true, "&H80000005"},
        {0x1234567, 6, true, "&H1234567"},
        {-1, 2, false, "FFFFFFFF"},
        {0xABCDEF, 2, false, "ABCDEF"},
        {0x1F, 10, false, "000000001F"}};
    for (const auto& [value, digits, prefix, expected] : hex) {
        EXPECT_EQ(FormatHex(value, digits, prefix), expected);
    }
    const std::tuple<const char*, int, const char*> aligned[] = {
        {"7", 3, "  7"},
        {"1234", 3, "234"},
        {"abc", 0, ""},
        {"abc", -2, ""},
        {"\xC3\xBC", 3, "  \xC3\xBC"},
        {"a\xC3\xBC\xE2\x82\xAC", 2, "\xC3\xBC\xE2\x82\xAC"}};
    for (const auto& [text, width, expected] : aligned) {
        EXPECT_EQ(AlignRight(text, width), expected);
    }
}

const std::string kRed = "&H0000FF #FF0000 RGB(255,   0,   0)";

TEST(ColorNotation, ReadsTheFirstAlteredFormOfTheRGBLine) {
    const std::pair<std::string, std::int32_t> table[] = {
        {kRed, 0x0000FF},
        {"&H00FF00 #0000FF RGB(  1,   2,   3)", 0x00FF00},
        {"&H0000FF #00ff00 RGB(9, 9, 9)", 0x00FF00},
        {"&H0000FF #F RGB(255,   0,   0)", 0x00000F},
        {"&H0000FF # RGB(255,   0,   0)", 0},
        {"&H0000FF #FF0000 RGB(0, 0, 255)", 0xFF0000},
        {"&H80000005 #FF0000 RGB(255,   0,   0)", OleColor::FromBits(0x80000005)},
        {"&H #FF0000 RGB(255,   0,   0)", 0},
        {"&H12XY #FF0000 RGB(255,   0,   0)", 0x12},
        {"&H123456789 #FF0000 RGB(255,   0,   0)", -1},
        {"x &H0000FF y #FF0000 (10.5, 11.5,\t0)RGB", 0x000C0A},
        {"&H0000FF #FF0000 RGB(256, 0, 0)", -1},
        {"&H0000FF #FF0000 RGB(0, -1, 0)", -1},
        {"&H0000FF #FF0000 RGB(0, 0, 255.5)", -1},
        {"&H0000FF #FF0000 RGB(-0.5, &H10, 2e1)", 0x141000},
        {"&H0000FF #FF0000 rgb(10, 20, 30)", 0x1E1400},
        {"&H0000FF #FF0000 RGB(0, 0, 1e400)", -1},
        {"&H0000FF RGB(255, 0, 0)", -1},
        {"&h0000FF #FF0000 RGB(255, 0, 0)", -1},
        {"&H0000FF#FF0000 RGB(255, 0, 0)", -1},
        {"&H0000FF #FF0000", -1},
        {"&H0000FF #FF0000 RGB(255, 0)", -1},
        {"&H0000FF #FF0000 RGB(255, 0, 0, 0)", -1},
        {"#FF0000 &H0000FF RGB(255, 0, 0)", -1},
        {"", -1}};
    for (const auto& [text, expected] : table) {
        EXPECT_EQ(ParseRGBText(text, kRed), expected) << text;
    }
    EXPECT_EQ(ParseRGBText(kRed, "garbage"), -1);
    RGBTextParts parts;
    ASSERT_TRUE(SplitRGBText("x &Habc y #12 (1,\t2 , 3)RGB", parts));
    EXPECT_EQ(parts, (RGBTextParts{"&Habc", "#12", "1", "\t2", "3"}));
    EXPECT_FALSE(SplitRGBText("&H0000FF #FF0000 RGB(1, 2)", parts));
    EXPECT_EQ(parts, RGBTextParts{});
}

TEST(ColorNotation, ReadsTheHSVTextAndWholeNumbers) {
    const std::pair<const char*, HSBValues> table[] = {{"HSV(120, 0.5000, 0.2500)", {120, 0.5f, 0.25f}},
                                                       {"  hsv(120, 0.5, 0.25)  ", {120, 0.5f, 0.25f}},
                                                       {"HSV 120, 0.5, 0.25", {120, 0.5f, 0.25f}},
                                                       {"HSV(358.5, 1, 0.7)", {358, 1.0f, 0.7f}},
                                                       {"HSV(abc, 0, 0)", {0, 0.0f, 0.0f}},
                                                       {"hsv(&h10, 0, 0)", {16, 0.0f, 0.0f}},
                                                       {"HSV(360, 0, 0)", {-1, 0, 0}},
                                                       {"HSV(359.5, 0, 0)", {-1, 0, 0}},
                                                       {"HSV(-1, 0, 0)", {-1, 0, 0}},
                                                       {"HSV(120, 1.5, 0)", {-1, 0, 0}},
                                                       {"HSV(120, 0, -0.1)", {-1, 0, 0}},
                                                       {"HSV(120, 0,5, 0,5)", {-1, 0, 0}},
                                                       {"HSV(120, 0.5)", {-1, 0, 0}},
                                                       {"(120, 0.5, 0.5)", {-1, 0, 0}},
                                                       {"HS", {-1, 0, 0}},
                                                       {"HSV(1e400, 0, 0)", {-1, 0, 0}}};
    for (const auto& [text, hsv] : table) {
        const HSBValues read = ParseHSVText(text, "");
        EXPECT_EQ(std::tie(read.Hue, read.Sat, read.Bright), std::tie(hsv.Hue, hsv.Sat, hsv.Bright)) << text;
    }
    const std::pair<const char*, std::int32_t> longs[] = {
        {"xyz", 0}, {"&HFF", 255},      {" 12 ", 12},      {"12abc", 0},
        {"2.5", 2}, {"&HFFFFFFFF", -1}, {"99999999999", 0}};
    for (const auto& [text, expected] : longs) {
        EXPECT_EQ(ParseLong(text), expected) << text;
    }
}

class UnderACommaLocale : public CommaLocale {};

TEST_F(UnderACommaLocale, OnlyAPointSeparatesDecimals) {
    EXPECT_EQ(FormatColorText(0x808080, HSBValues{}, 2),
              "&H808080 #808080 RGB(128, 128, 128) HSV(  0, 0.0000, 0.5020)");
    EXPECT_EQ(ParseHSVText("HSV(120, 0.5, 0.25)", "").Sat, 0.5f);
    EXPECT_EQ(ParseRGBText("&H0000FF #FF0000 RGB(10.5, 11.5, 0,9)", kRed), -1);
    EXPECT_EQ(ParseLong("2,5"), 0);
}

// Every RGB line reads back as its colour. Under the address sanitizer, which looks for memory
// faults rather than wrong values, every 7th colour (every value of every byte still occurs).
TEST(ColourCube, EveryRGBLineReadsBackAsItsColour) {
#ifdef __SANITIZE_ADDRESS__
    constexpr OLE_COLOR kStep = 7;
#else
    constexpr OLE_COLOR kStep = 1;
#endif
    int failures = 0;
    OLE_COLOR first = -1;
    for (OLE_COLOR c = 0; c < (1 << 24); c += kStep) {
        const std::string line = FormatRGBText(c);
        if (ParseRGBText(line, line) != c && failures++ == 0) {
            first = c;
        }
    }
    EXPECT_EQ(failures, 0) << "first at " << FormatRGBText(first);
}

} // namespace
