#pragma once

#include <QString>
#include <functional>

// The program's start: one main dialog, shown modelessly, is the program.
namespace modMain {

// The path of "UserDefinedColors.txt" in Folder; a folder that already ends in "/" gets no
// second separator.
QString UserDefinedColorsFilePath(const QString& Folder);

// Where the user-defined colours file is, for a program in ProgramFolder: beside the program as a
// rule (a build tree or an unpacked folder keeps its file there). Only when that folder holds no
// such file and FolderIsWritable says it cannot be written (as /usr/bin cannot), the file is
// "tintrix/UserDefinedColors.txt" below XdgConfigHome, or below Home + "/.config" when
// XdgConfigHome is empty or not an absolute path. With no usable home either, the program's
// folder stays (the reader then finds no file and the list has no user colours).
QString LocateUserDefinedColorsFile(const QString& ProgramFolder, const QString& XdgConfigHome,
                                    const QString& Home,
                                    const std::function<bool(const QString& Folder)>& FolderIsWritable);

// LocateUserDefinedColorsFile for this process: its XDG_CONFIG_HOME and home folder, the
// folder's real write permission. Creates the folder of a file outside ProgramFolder, so that the
// reader can create the file there empty, as it would beside the program.
QString PrepareUserDefinedColorsFile(const QString& ProgramFolder);

// Installs the desktop's system colours, opens the main dialog with 0x8BD9FE, the user file
// beside the program and the prefix "USER_", and runs until the dialog is closed. Returns the
// program's exit code. "--help" and "--version" print their text on standard output and return
// 0 without a display; where no display can be opened, one line on standard error and exit
// code 1 end the program. Every other argument is Qt's.
int Main(int& argc, char** argv);

} // namespace modMain
