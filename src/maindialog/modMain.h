#pragma once

#include <QString>

// The program's start: one main dialog, shown modelessly, is the program.
namespace modMain {

// The path of "UserDefinedColors.txt" in Folder; a folder that already ends in "/" gets no
// second separator.
QString UserDefinedColorsFilePath(const QString& Folder);

// Installs the desktop's system colours, opens the main dialog with 0x8BD9FE, the user file
// beside the program and the prefix "USER_", and runs until the dialog is closed. Returns the
// program's exit code.
int Main(int& argc, char** argv);

} // namespace modMain
