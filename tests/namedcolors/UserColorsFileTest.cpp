#include "namedcolors/modNamedColors.h"
#include "support/ByName.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace modNamedColors;
namespace fs = std::filesystem;

namespace {

// --- The text format, in memory ------------------------------------------------------------------

struct FileCase {
    const char* name;
    std::string text;
    NameList names; // empty: the file is void or holds no entry
    ValueList values;
};

class UserFileFormatTest : public testing::TestWithParam<FileCase> {};

TEST_P(UserFileFormatTest, GivesTheEntriesOrNoneAtAll) {
    const FileCase& c = GetParam();
    NameList names{"stale"};
    ValueList values{1};
    const std::int32_t count = ParseUserDefinedColors(c.text, "USER_", names, values);
    EXPECT_EQ(count, static_cast<std::int32_t>(c.names.size()));
    EXPECT_EQ(names, c.names);
    EXPECT_EQ(values, c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, UserFileFormatTest,
    testing::Values(
        FileCase{"OneEntry", "Corporate blue &HA05000", {"USER_Corporate blue"}, {0xA05000}},
        FileCase{"SeaExample", "Sea &HAA8800\r\n", {"USER_Sea"}, {0xAA8800}},
        FileCase{"ReadmeExample",
                 "; my palette: lines without the color marker are comments\r\nCorporate blue &HA05000\r\n"
                 "Sea &HAA8800\r\n",
                 {"USER_Corporate blue", "USER_Sea"},
                 {0xA05000, 0xAA8800}},
        FileCase{"FinalLineEndIgnored", "A &H000001\r\nB &H000002\r\n", {"USER_A", "USER_B"}, {1, 2}},
        FileCase{"FileOrderAndDuplicatesKept",
                 "Z &H0000FF\r\nA &H0000FF\r\nZ &H00FF00",
                 {"USER_Z", "USER_A", "USER_Z"},
                 {0xFF, 0xFF, 0xFF00}},
        FileCase{"CommentsAndEmptyLinesIgnored",
                 "; palette of the web site\r\n\r\nRed &H0000FF\r\n   \r\n",
                 {"USER_Red"},
                 {0xFF}},
        FileCase{"LowerCaseHMakesNoEntry", "Corporate blue &hA05000\r\nRed &H0000FF", {"USER_Red"}, {0xFF}},
        FileCase{"SpacesAroundNameAndValueIgnored", "   Sky   &H123456   ", {"USER_Sky"}, {0x123456}},
        FileCase{"TabBeforeMarkerKept", "Sky\t&H123456", {"USER_Sky\t"}, {0x123456}},
        FileCase{"LowerCaseDigits", "Sky &Habcdef", {"USER_Sky"}, {0xABCDEF}},
        FileCase{"UnicodeName", "Gr\xC3\xBCn &H00FF00", {"USER_Gr\xC3\xBCn"}, {0xFF00}},
        FileCase{"LoneLineFeedsInsideAName", "a\nb &H000001", {"USER_a\nb"}, {1}},
        FileCase{"SingleEntryWithoutLineEnd", "Solo &H0000FF", {"USER_Solo"}, {0xFF}}),
    ByName());

INSTANTIATE_TEST_SUITE_P(
    VoidFiles, UserFileFormatTest,
    testing::Values(FileCase{"ValueFromTheFirstMarkerOn", "A&HB &H000001", {}, {}},
                    FileCase{"EmptyName", "Red &H0000FF\r\n&H0000FF", {}, {}},
                    FileCase{"BlankName", "   &H0000FF", {}, {}},
                    FileCase{"ValueOfSevenCharacters", "Red &H0000F", {}, {}},
                    FileCase{"ValueOfNineCharacters", "Red &H0000FF0", {}, {}},
                    FileCase{"ValueOfTenCharacters", "Red &H0000FF00", {}, {}},
                    FileCase{"ShortValue", "Red &HFF", {}, {}},
                    FileCase{"NotHexadecimal", "Red &HGG0000", {}, {}},
                    FileCase{"SpaceInsideValue", "Red &H00 0FF", {}, {}},
                    FileCase{"TabAfterValue", "Red &H0000F\t", {}, {}},
                    FileCase{"SignInsideValue", "Red &H-00001", {}, {}},
                    FileCase{"BadLineVoidsTheGoodOnes", "A &H000001\r\nB &H00000Z\r\nC &H000003", {}, {}},
                    FileCase{"LineFeedOnlyFile", "A &H000001\nB &H000002\n", {}, {}},
                    FileCase{"CommentMentioningTheMarker", "; values are &HBBGGRR\r\nRed &H0000FF", {}, {}},
                    FileCase{"OnlyComments", "; nothing here\r\n\r\n", {}, {}},
                    FileCase{"OnlyALineEnd", "\r\n", {}, {}}),
    ByName());

TEST(UserFileFormat, EmptyTextLeavesTheArraysAlone) {
    NameList names{"kept"};
    ValueList values{5};
    EXPECT_EQ(ParseUserDefinedColors("", "USER_", names, values), 0);
    EXPECT_EQ(names, NameList{"kept"});
    EXPECT_EQ(values, ValueList{5});
}

TEST(UserFileFormat, UsesTheCallersPrefix) {
    NameList names;
    ValueList values;
    ASSERT_EQ(ParseUserDefinedColors("Sea &HAA8800", "MINE-", names, values), 1);
    EXPECT_EQ(names, NameList{"MINE-Sea"});
    ASSERT_EQ(ParseUserDefinedColors("Sea &HAA8800", "", names, values), 1);
    EXPECT_EQ(names, NameList{"Sea"});
}

TEST(UserFileFormat, NulBytesAreJustCharacters) {
    NameList names;
    ValueList values;
    const std::string text("N\0ul &H000001\r\n\0\0", 18);
    ASSERT_EQ(ParseUserDefinedColors(text, "U_", names, values), 1);
    EXPECT_EQ(names[0], std::string("U_N\0ul", 6));
}

// --- Decoding the bytes ----------------------------------------------------------------------------

TEST(UserFileDecoding, KeepsValidUtf8AndDropsAByteOrderMark) {
    EXPECT_EQ(DecodeTextFile("Gr\xC3\xBCn"), "Gr\xC3\xBCn");
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFRed &H0000FF"), "Red &H0000FF");
    EXPECT_EQ(DecodeTextFile(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(UserFileDecoding, ReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(DecodeTextFile("Gr\xFCn"), "Gr\xC3\xBCn");             // u umlaut
    EXPECT_EQ(DecodeTextFile("\x80 \x9F"), "\xE2\x82\xAC \xC5\xB8"); // euro sign, Y diaeresis
    EXPECT_EQ(DecodeTextFile("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(DecodeTextFile("\xC3\xBC\xFC"), "\xC3\x83\xC2\xBC\xC3\xBC");     // one bad byte: all of it 1252
    EXPECT_EQ(DecodeTextFile("\xC0\xAF"), "\xC3\x80\xC2\xAF");                 // overlong form is no UTF-8
    EXPECT_EQ(DecodeTextFile("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC"); // nor a surrogate
}

// --- Reading from the file system ------------------------------------------------------------------

class UserFileOnDisk : public testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        mFolder = fs::temp_directory_path() /
                  ("tintrix-user-colors-" + std::to_string(::getpid()) + "-" + std::to_string(stamp));
        fs::create_directories(mFolder);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(mFolder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(mFolder, ignored);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = mFolder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    fs::path mFolder;
};

TEST_F(UserFileOnDisk, ReadsTheEntriesOfAWindowsFile) {
    const std::string path =
        Write("UserDefinedColors.txt", "Corporate blue &HA05000\r\nGr\xFCn &H00FF00\r\n");
    NameList names;
    ValueList values;
    ASSERT_EQ(GetUserDefinedColors(path, "USER_", names, values), 2);
    EXPECT_EQ(names, (NameList{"USER_Corporate blue", "USER_Gr\xC3\xBCn"}));
    EXPECT_EQ(values, (ValueList{0xA05000, 0x00FF00}));
}

TEST_F(UserFileOnDisk, CreatesAMissingFileEmpty) {
    const fs::path path = mFolder / "UserDefinedColors.txt";
    NameList names{"kept"};
    ValueList values{1};
    EXPECT_EQ(GetUserDefinedColors(path.string(), "USER_", names, values), 0);
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(names, NameList{"kept"});
}

TEST_F(UserFileOnDisk, MissingFolderReadsAsEmptyAndStaysMissing) {
    const fs::path path = mFolder / "no such folder" / "UserDefinedColors.txt";
    EXPECT_EQ(ReadTextFile(path.string()), "");
    EXPECT_FALSE(fs::exists(path.parent_path()));
    EXPECT_EQ(ReadTextFile(""), "");
}

TEST_F(UserFileOnDisk, ReadOnlyFileIsStillRead) {
    const std::string path = Write("UserDefinedColors.txt", "Red &H0000FF");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(mFolder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(ReadTextFile(path), "Red &H0000FF");
}

TEST_F(UserFileOnDisk, UnreadableFileReadsAsEmpty) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    const std::string path = Write("UserDefinedColors.txt", "Red &H0000FF");
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(ReadTextFile(path), "");
}

// A fifo without a writer would block the read.
TEST_F(UserFileOnDisk, WhatIsNoRegularFileReadsAsEmptyAtOnce) {
    const fs::path fifo = mFolder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& path : {mFolder, fifo, fs::path("/dev/zero"), fs::path("/dev/null")}) {
        EXPECT_EQ(ReadTextFile(path.string()), "") << path;
    }
}

TEST_F(UserFileOnDisk, FilesOverSixtyFourMiBAreNotLoaded) {
    const std::string big = Write("big.txt", "");
    fs::resize_file(big, (std::uintmax_t{64} << 20) + 1); // sparse: costs no disk
    EXPECT_EQ(ReadTextFile(big), "");
    fs::resize_file(big, std::uintmax_t{1} << 30);
    EXPECT_EQ(ReadTextFile(big), "");
}

TEST_F(UserFileOnDisk, AFileOfExactlySixtyFourMiBIsRead) {
    const std::string path = Write("limit.txt", "Red &H0000FF\r\n");
    fs::resize_file(path, std::uintmax_t{64} << 20); // the rest is NUL bytes
    NameList names;
    ValueList values;
    EXPECT_EQ(ReadTextFile(path).size(), std::size_t{64} << 20);
    EXPECT_EQ(GetUserDefinedColors(path, "USER_", names, values), 1);
}

} // namespace
