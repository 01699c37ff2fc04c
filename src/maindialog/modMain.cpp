#include "modMain.h"

#include "colormodels/SystemColors.h"
#include "maindialog/frmTintrix.h"
#include "platform/QtSystemColors.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <memory>

namespace modMain {
namespace {

constexpr OLE_COLOR kStartColor = 0x8BD9FE;
const char* const kUserDefinedColorsFileName = "UserDefinedColors.txt";
const char* const kUserDefinedColorsPrefix = "USER_";
const char* const kConfigFolderName = "tintrix";

} // namespace

QString UserDefinedColorsFilePath(const QString& Folder) {
    return (Folder.endsWith('/') ? Folder : Folder + '/') + QString::fromLatin1(kUserDefinedColorsFileName);
}

QString LocateUserDefinedColorsFile(const QString& ProgramFolder, const QString& XdgConfigHome,
                                    const QString& Home,
                                    const std::function<bool(const QString& Folder)>& FolderIsWritable) {
    const QString besideProgram = UserDefinedColorsFilePath(ProgramFolder);
    if (QFileInfo::exists(besideProgram) || FolderIsWritable(ProgramFolder)) {
        return besideProgram;
    }
    // A relative XDG_CONFIG_HOME is invalid and must be ignored; so is an empty one.
    QString configHome = XdgConfigHome;
    if (configHome.isEmpty() || QDir::isRelativePath(configHome)) {
        if (Home.isEmpty() || QDir::isRelativePath(Home)) {
            return besideProgram;
        }
        configHome = Home + QStringLiteral("/.config");
    }
    return UserDefinedColorsFilePath(
        QDir::cleanPath(configHome + '/' + QString::fromLatin1(kConfigFolderName)));
}

QString PrepareUserDefinedColorsFile(const QString& ProgramFolder) {
    const QString path =
        LocateUserDefinedColorsFile(ProgramFolder, qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath(),
                                    [](const QString& Folder) { return QFileInfo(Folder).isWritable(); });
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir::cleanPath(folder) != QDir::cleanPath(ProgramFolder)) {
        QDir().mkpath(folder);
    }
    return path;
}

int Main(int& argc, char** argv) {
    QApplication app(argc, argv);
    // Wayland compositors find the desktop entry, and with it the icon and name, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(TINTRIX_APP_ID));
    // Before any colour is translated: system colours are the running desktop's.
    SystemColors::Install(std::make_unique<Platform::QtSystemColors>());

    // The dialog deletes itself when closed; the program ends with its last window.
    auto* dialog = new frmTintrix();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->ShowDialog(kStartColor, false,
                       PrepareUserDefinedColorsFile(QCoreApplication::applicationDirPath()),
                       QString::fromLatin1(kUserDefinedColorsPrefix), nullptr);
    return app.exec();
}

} // namespace modMain
