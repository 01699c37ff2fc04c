#include "maindialog/modMain.h"

#include "namedcolors/modNamedColors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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

namespace {

// A program folder whose write permission the test decides, so that the rule is checked also
// where the tests run as root (for whom permission bits do not stop writing).
struct ProgramFolder {
    QTemporaryDir dir;
    QString Path() const { return dir.path(); }
    QString UserFile() const { return dir.filePath("UserDefinedColors.txt"); }
};

const auto kReadOnly = [](const QString&) { return false; };
const auto kWritable = [](const QString&) { return true; };

TEST(modMainUserFile, StaysBesideAProgramInAWritableFolder) {
    const ProgramFolder program;
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), "/cfg", "/home/ann", kWritable),
              program.UserFile());
}

TEST(modMainUserFile, StaysBesideAProgramWhoseReadOnlyFolderHoldsTheFile) {
    const ProgramFolder program;
    QFile file(program.UserFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), "/cfg", "/home/ann", kReadOnly),
              program.UserFile());
}

TEST(modMainUserFile, MovesToXdgConfigHomeFromAReadOnlyFolderWithoutTheFile) {
    const ProgramFolder program;
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), "/cfg", "/home/ann", kReadOnly),
              "/cfg/tintrix/UserDefinedColors.txt");
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), "/cfg/", "/home/ann", kReadOnly),
              "/cfg/tintrix/UserDefinedColors.txt");
}

TEST(modMainUserFile, UsesDotConfigInTheHomeWhenXdgConfigHomeIsUnsetOrEmpty) {
    const ProgramFolder program;
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), QString(), "/home/ann", kReadOnly),
              "/home/ann/.config/tintrix/UserDefinedColors.txt");
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), "", "/", kReadOnly),
              "/.config/tintrix/UserDefinedColors.txt");
}

TEST(modMainUserFile, IgnoresARelativeXdgConfigHome) {
    const ProgramFolder program;
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), "cfg", "/home/ann", kReadOnly),
              "/home/ann/.config/tintrix/UserDefinedColors.txt");
}

TEST(modMainUserFile, StaysBesideTheProgramWithNoUsableHome) {
    const ProgramFolder program;
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), "", "", kReadOnly), program.UserFile());
    EXPECT_EQ(modMain::LocateUserDefinedColorsFile(program.Path(), "", "home", kReadOnly),
              program.UserFile());
}

// The real permission check, the folder creation and the reader together.
class modMainUserFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.dir.isValid() && config.isValid());
        savedConfigHome = qgetenv("XDG_CONFIG_HOME");
        hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        savedHome = qgetenv("HOME");
    }
    void TearDown() override {
        QFile::setPermissions(program.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (hadConfigHome) {
            qputenv("XDG_CONFIG_HOME", savedConfigHome);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
        qputenv("HOME", savedHome);
    }
    // Makes the program folder read-only; false where permission bits do not stop this process.
    bool MakeProgramFolderReadOnly() {
        QFile::setPermissions(program.Path(), QFile::ReadOwner | QFile::ExeOwner);
        return !QFileInfo(program.Path()).isWritable();
    }

    ProgramFolder program;
    QTemporaryDir config;
    QByteArray savedConfigHome;
    QByteArray savedHome;
    bool hadConfigHome = false;
};

TEST_F(modMainUserFileOnDisk, AWritableFolderKeepsTheFileAndTheReaderCreatesItThere) {
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString path = modMain::PrepareUserDefinedColorsFile(program.Path());
    EXPECT_EQ(path, program.UserFile());
    modNamedColors::NameList names;
    modNamedColors::ValueList values;
    EXPECT_EQ(
        modNamedColors::GetUserDefinedColors(QFile::encodeName(path).toStdString(), "USER_", names, values),
        0);
    EXPECT_TRUE(QFileInfo::exists(program.UserFile()));
    EXPECT_FALSE(QFileInfo::exists(config.filePath("tintrix")));
}

TEST_F(modMainUserFileOnDisk, AReadOnlyFolderSendsTheFileToANewConfigFolderWhereTheReaderCreatesIt) {
    if (!MakeProgramFolderReadOnly()) {
        GTEST_SKIP() << "this process may write into read-only folders (it runs as root); the rule "
                        "itself is checked with an injected permission above";
    }
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString path = modMain::PrepareUserDefinedColorsFile(program.Path());
    EXPECT_EQ(path, config.filePath("tintrix/UserDefinedColors.txt"));
    EXPECT_TRUE(QFileInfo(config.filePath("tintrix")).isDir());
    modNamedColors::NameList names;
    modNamedColors::ValueList values;
    modNamedColors::GetUserDefinedColors(QFile::encodeName(path).toStdString(), "USER_", names, values);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(program.UserFile()));
}

TEST_F(modMainUserFileOnDisk, AReadOnlyFolderWithXdgConfigHomeUnsetUsesTheHome) {
    if (!MakeProgramFolderReadOnly()) {
        GTEST_SKIP() << "this process may write into read-only folders (it runs as root); the rule "
                        "itself is checked with an injected permission above";
    }
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", config.path().toLocal8Bit());
    EXPECT_EQ(modMain::PrepareUserDefinedColorsFile(program.Path()),
              config.filePath(".config/tintrix/UserDefinedColors.txt"));
    EXPECT_TRUE(QFileInfo(config.filePath(".config/tintrix")).isDir());
}

} // namespace
