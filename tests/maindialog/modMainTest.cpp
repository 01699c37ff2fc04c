#include "maindialog/modMain.h"

#include <gtest/gtest.h>

namespace {

TEST(modMain, PutsTheUserFileInTheProgramsFolder) {
    EXPECT_EQ(modMain::UserDefinedColorsFilePath("/opt/tintrix/bin"),
              "/opt/tintrix/bin/UserDefinedColors.txt");
}

TEST(modMain, AddsNoSecondSeparatorToAFolderEndingInOne) {
    EXPECT_EQ(modMain::UserDefinedColorsFilePath("/"), "/UserDefinedColors.txt");
    EXPECT_EQ(modMain::UserDefinedColorsFilePath("/opt/"), "/opt/UserDefinedColors.txt");
}

} // namespace
