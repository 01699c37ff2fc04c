// The named colour tables, the user's colours file and the colour notation, with the worked
// cases of their definitions, and the notation round trip over the whole colour cube.
#include "namedcolors/modNamedColors.h"
#include "namedcolors/modTintrix.h"

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

using namespace modNamedColors;
using namespace modTintrix;
namespace fs = std::filesystem;

namespace {

TEST(NamedColorTables, HoldTheEntriesInTheirOrderUnderTheirNames) {
    NameList names(500, "stale");
    ValueList values(700, 42);
    GetSystemColors(names, values);
    ASSERT_EQ(values.size(), 29u);
    EXPECT_EQ(names[0] + names[9] + names[28], "SYS_3DDKShadowSYS_ButtonFaceSYS_WindowText");
    EXPECT_EQ(std::tuple(values[0], values[1], values[9], values[24]),
              std::tuple(OleColor::SystemColor(21), OleColor::SystemColor(15), OleColor::SystemColor(15),
                         OleColor::SystemColor(0)));
    EXPECT_EQ(std::set<OLE_COLOR>(values.begin(), values.end()).size(), 25u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    GetBaseColors(names, values);
    EXPECT_EQ(names,
              (NameList{"BASE_Black", "BASE_Red", "BASE_Green", "BASE_Blue", "BASE_Cyan", "BASE_Magenta",
                        "BASE_Yellow", "BASE_White", "BASE_Gray25", "BASE_Gray50", "BASE_Gray75"}));
    EXPECT_EQ(values, (ValueList{0, 0xFF, 0xFF00, 0xFF0000, 0xFFFF00, 0xFF00FF, 0xFFFF, 0xFFFFFF, 0xC0C0C0,
                                 0x808080, 0x404040}));
    GetHTMLColors(names, values);
    ASSERT_EQ(std::tuple(names.size(), values.size()), std::tuple(136ul, 136ul));
    // The first 16 and a sample of the 120 others against the CSS keywords, looked up as #RRGGBB.
    // clang-format off
    const std::pair<std::size_t, std::uint32_t> web[] = {{0, 0x000000}, {1, 0x808080}, {2, 0x800000}, {3, 0xFF0000},
        {4, 0x008000}, {5, 0x00FF00}, {6, 0x808000}, {7, 0xFFFF00}, {8, 0x000080}, {9, 0x0000FF}, {10, 0x800080},
        {11, 0xFF00FF}, {12, 0x008080}, {13, 0x00FFFF}, {14, 0xC0C0C0}, {15, 0xFFFFFF}, {16, 0xF0F8FF}, {17, 0xFAEBD7},
        {30, 0xDC143C}, {33, 0xB8860B}, {45, 0x2F4F4F}, {50, 0x696969}, {55, 0xDCDCDC}, {58, 0xDAA520}, {63, 0x4B0082},
        {73, 0xFAFAD2}, {75, 0xD3D3D3}, {88, 0x9370DB}, {102, 0xFF4500}, {107, 0xDB7093}, {135, 0x9ACD32}};
    // clang-format on
    for (const auto& [at, rrggbb] : web) {
        EXPECT_EQ(values[at], OleColor::Rgb(rrggbb >> 16, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF)) << names[at];
    }
    EXPECT_EQ(names[15] + names[16] + names[75] + names[135],
              "HTMLB_WhiteHTMLS_AliceblueHTMLS_LightgreyHTMLS_Yellowgreen");
    // clang-format off
    const std::pair<OLE_COLOR, const char*> named[] = {{0x808080, "BASE_Gray50HTMLB_Gray"}, {0x404040, "BASE_Gray75"},
        {0x123456, ""}, {OleColor::SystemColor(0), ""}};
    // clang-format on
    for (const auto& [colour, expected] : named) {
        EXPECT_EQ(NameOfBaseColor(colour) + NameOfHTMLColor(colour), expected) << std::hex << colour;
    }
    std::int32_t count = 0; // one entry at Count, the arrays cut or grown to it
    AddSystemColor("Desktop", OleColor::SystemColor(1), names, values, count);
    count = 3;
    AddBaseColor(0x404040, names, values, count);
    AddHTMLColor(0x123456, names, values, count);
    EXPECT_EQ(std::tuple(count, names, values),
              std::tuple(5, NameList{"SYS_Desktop", "", "", "BASE_Gray75", ""},
                         ValueList{OleColor::SystemColor(1), 0, 0, 0x404040, 0x123456}));
}

TEST(UserColorsFile, GivesEveryEntryOrNoneAtAll) {
    // clang-format off
    const std::tuple<std::string, NameList, ValueList> table[] = {
        {"; my palette\r\n\r\nCorporate blue &HA05000\r\nSea &HAA8800\r\n", {"USER_Corporate blue", "USER_Sea"}, {0xA05000, 0xAA8800}},
        {"Z &H0000FF\r\nA &H0000FF\r\nZ &H00ff00", {"USER_Z", "USER_A", "USER_Z"}, {0xFF, 0xFF, 0xFF00}},
        {"Blue &hA05000\r\nRed &H0000FF", {"USER_Red"}, {0xFF}}, {"   Sky\t  &H123456   ", {"USER_Sky\t"}, {0x123456}},
        {"a\nb &H000001", {"USER_a\nb"}, {1}}, {std::string("N\0 &H000001\r\n", 14), {std::string("USER_N\0", 7)}, {1}},
        {"Red &H0000FF\r\n   &H0000FF", {}, {}}, {"Red &H0000F", {}, {}}, {"Red &H0000FF0", {}, {}}, {"Red &HGG0000", {}, {}},
        {"A &H000001\nB &H000002\n", {}, {}}, {"; values are &HBBGGRR\r\nRed &H0000FF", {}, {}}, {"; nothing\r\n\r\n", {}, {}}};
    // clang-format on
    for (const auto& [text, expectedNames, expectedValues] : table) {
        NameList names{"stale"};
        ValueList values{1};
        const int count = ParseUserDefinedColors(text, "USER_", names, values);
        EXPECT_EQ(std::tuple(count, names, values),
                  std::tuple(expectedNames.size(), expectedNames, expectedValues))
            << text;
    }
}

TEST(UserColorsFile, ReadsUtf8AsItIsAndOtherBytesAsWindows1252) {
    // clang-format off
    const std::pair<std::string, std::string> table[] = {
        {"Gr\xC3\xBCn \xE2\x82\xAC\xF0\x9F\x8E\xA8", "Gr\xC3\xBCn \xE2\x82\xAC\xF0\x9F\x8E\xA8"}, {"\xEF\xBB\xBFRed", "Red"},
        {"\x80\x9F\x81", "\xE2\x82\xAC\xC5\xB8\xC2\x81"}, {"\xC3\xBC\xFC", "\xC3\x83\xC2\xBC\xC3\xBC"}, {"\xC3", "\xC3\x83"},
        {"\xE0\x9F\xBF", "\xC3\xA0\xC5\xB8\xC2\xBF"}, {"\xC1\x80\x80\x80", "\xC3\x81\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},
        {"\xF0\x8F\xBF\xBF", "\xC3\xB0\xC2\x8F\xC2\xBF\xC2\xBF"}, {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}};
    // clang-format on
    for (const auto& [bytes, text] : table) {
        EXPECT_EQ(DecodeTextFile(bytes), text) << testing::PrintToString(bytes);
    }
}

TEST(UserColorsFile, ReadsTheFileCreatesAMissingOneAndLeavesTheRestAlone) {
    const fs::path folder = fs::temp_directory_path() / ("tintrix-user-colors-" + std::to_string(::getpid()));
    const fs::path file = folder / "UserDefinedColors.txt";
    fs::create_directories(folder);
    NameList names{"kept"};
    ValueList values{1};
    EXPECT_EQ(GetUserDefinedColors(file.string(), "USER_", names, values), 0);
    EXPECT_EQ(names, NameList{"kept"}); // an empty text leaves the lists alone
    EXPECT_TRUE(fs::is_regular_file(file));
    std::ofstream(file, std::ios::binary) << "Corporate blue &HA05000\r\nGr\xFCn &H00FF00\r\n";
    ASSERT_EQ(GetUserDefinedColors(file.string(), "", names, values), 2);
    EXPECT_EQ(std::tuple(names, values),
              std::tuple(NameList{"Corporate blue", "Gr\xC3\xBCn"}, ValueList{0xA05000, 0xFF00}));
    ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0); // without a writer it would block
    for (const fs::path& path : {folder / "none" / "x.txt", folder, folder / "fifo", fs::path("/dev/zero")}) {
        EXPECT_EQ(ReadTextFile(path.string()), "") << path;
    }
    EXPECT_FALSE(fs::exists(folder / "none"));
    fs::resize_file(file, std::uintmax_t{64} << 20); // sparse, NUL bytes after the entries
    EXPECT_EQ(GetUserDefinedColors(file.string(), "USER_", names, values), 2);
    fs::resize_file(file, (std::uintmax_t{64} << 20) + 1);
    EXPECT_EQ(ReadTextFile(file.string()), "");
    fs::remove_all(folder);
}

TEST(ColorNotation, WritesTheAlignedForms) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "no de_DE.UTF-8 locale"; // as below
    // clang-format off
    const std::tuple<OLE_COLOR, int, const char*> lines[] = {
        {0xA05000, 0, "&HA05000 #0050A0 RGB(  0,  80, 160)"}, {0x0A0B0C, 0, "&H0A0B0C #0C0B0A RGB( 12,  11,  10)"},
        {0x808080, 2, "&H808080 #808080 RGB(128, 128, 128) HSV(  0, 0.0000, 0.5020)"},
        {0xFF0000, 2, "&HFF0000 #0000FF RGB(  0,   0, 255) HSV(240, 1.0000, 1.0000)"},
        {OleColor::SystemColor(15), 0, "&HC8D0D4 #D4D0C8 RGB(212, 208, 200)"},
        {-1, 0, "&H000000 #000000 RGB(  0,   0,   0)"}, {0x0000FF, 3, ""}};
    const std::tuple<std::int32_t, std::int32_t, bool, const char*> hex[] = {{5, 2, false, "05"}, {10, 0, false, "0A"},
        {0xFF, 6, true, "&H0000FF"}, {-1, 2, false, "FFFFFFFF"}, {0xABCDEF, 2, false, "ABCDEF"}, {0x1F, 10, false, "000000001F"}};
    const std::tuple<const char*, int, const char*> aligned[] = {{"7", 3, "  7"}, {"1234", 3, "234"}, {"abc", -2, ""},
        {"\xC3\xBC", 3, "  \xC3\xBC"}, {"a\xC3\xBC\xE2\x82\xAC", 2, "\xC3\xBC\xE2\x82\xAC"}};
    // clang-format on
    for (const auto& [colour, mode, expected] : lines) {
        EXPECT_EQ(FormatColorText(colour, HSBValues{}, mode), expected);
    }
    for (const auto& [value, digits, prefix, expected] : hex) {
        EXPECT_EQ(FormatHex(value, digits, prefix), expected);
    }
    for (const auto& [text, width, expected] : aligned) {
        EXPECT_EQ(AlignRight(text, width), expected);
    }
    EXPECT_EQ(FormatColorText(0xFFFFFF, HSBValues{120, 0.5f, 0.25f}, 1), "HSV(120, 0.5000, 0.2500)");
    EXPECT_EQ(FormatHSVText(HSBValues{7, 0.12345f, 0.99999f}), "HSV(  7, 0.1235, 1.0000)");
    std::setlocale(LC_ALL, "C");
}

// Under a locale whose decimal separator is "," (tools/setup.sh test makes it) only "." counts.
TEST(ColorNotation, ReadsTheFirstAlteredFormOfTheRGBLineTheHSVTextAndWholeNumbers) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "no de_DE.UTF-8 locale";
    const std::string red = "&H0000FF #FF0000 RGB(255,   0,   0)";
    // clang-format off
    const std::pair<std::string, std::int32_t> rgb[] = {{red, 0x0000FF}, {"&H00FF00 #0000FF RGB(  1,   2,   3)", 0x00FF00},
        {"&H0000FF #00ff00 RGB(9, 9, 9)", 0x00FF00}, {"&H0000FF #F RGB(255,   0,   0)", 0x00000F},
        {"&H0000FF #FF0000 RGB(0, 0, 255)", 0xFF0000}, {"&H80000005 #FF0000 RGB(255,   0,   0)", OleColor::FromBits(0x80000005)},
        {"&H123456789 #FF0000 RGB(255,   0,   0)", -1}, {"x &H0000FF y #FF0000 (10.5, 11.5,\t0)RGB", 0x000C0A},
        {"&H0000FF #FF0000 RGB(256, 0, 0)", -1}, {"&H0000FF #FF0000 RGB(0, -1, 0)", -1}, {"&H0000FF #FF0000 RGB(0, 0, 255.5)", -1},
        {"&H0000FF #FF0000 RGB(-0.5, &H10, 2e1)", 0x141000}, {"&H0000FF #FF0000 RGB(0, 0, 1e400)", -1},
        {"&H0000FF RGB(255, 0, 0)", -1}, {"&H0000FF#FF0000 RGB(255, 0, 0)", -1}, {"&H0000FF #FF0000 RGB(255, 0, 0, 0)", -1}, {"", -1}};
    const std::pair<const char*, HSBValues> hsv[] = {{"HSV(120, 0.5000, 0.2500)", {120, 0.5f, 0.25f}},
        {"  hsv(120, 0.5, 0.25)  ", {120, 0.5f, 0.25f}}, {"HSV 120, 0.5, 0.25", {120, 0.5f, 0.25f}},
        {"HSV(358.5, 1, 0.7)", {358, 1.0f, 0.7f}}, {"HSV(abc, 0, 0)", {0, 0, 0}}, {"hsv(&h10, 0, 0)", {16, 0, 0}},
        {"HSV(359, 0, 0)", {359, 0, 0}}, {"HSV(360, 0, 0)", {-1, 0, 0}}, {"HSV(-1, 0, 0)", {-1, 0, 0}},
        {"HSV(120, 1.5, 0)", {-1, 0, 0}}, {"HSV(120, 0, -0.1)", {-1, 0, 0}}, {"HSV(120, 0,5, 0,5)", {-1, 0, 0}},
        {"HS", {-1, 0, 0}}, {"HSV(0, 1e400, 0)", {-1, 0, 0}}};
    // clang-format on
    for (const auto& [text, expected] : rgb) {
        EXPECT_EQ(ParseRGBText(text, red), expected) << text;
    }
    EXPECT_EQ(ParseRGBText(red, "garbage"), -1);
    for (const auto& [text, expected] : hsv) {
        const HSBValues read = ParseHSVText(text, "");
        EXPECT_EQ(std::tie(read.Hue, read.Sat, read.Bright),
                  std::tie(expected.Hue, expected.Sat, expected.Bright))
            << text;
    }
    // ParseLong: what does not read is 0.
    EXPECT_EQ(std::tuple(ParseLong(" &HFF "), ParseLong("12abc")), std::tuple(255, 0));
    RGBTextParts parts;
    ASSERT_TRUE(SplitRGBText("x &Habc y #12 (1,\t2 , 3)RGB", parts));
    EXPECT_EQ(parts, (RGBTextParts{"&Habc", "#12", "1", "\t2", "3"}));
    std::setlocale(LC_ALL, "C");
}

// Every RGB line reads back as its colour. Under the address sanitizer, which looks for memory
// faults rather than wrong values, every 7th colour (every value of every byte still occurs).
TEST(ColourCube, EveryRGBLineReadsBackAsItsColour) {
#ifdef __SANITIZE_ADDRESS__
    constexpr OLE_COLOR kStep = 7;
#else
    constexpr OLE_COLOR kStep = 1;
#endif
    for (OLE_COLOR c = 0; c < (1 << 24); c += kStep) {
        const std::string line = FormatRGBText(c);
        ASSERT_EQ(ParseRGBText(line, line), c) << line;
    }
}

} // namespace
