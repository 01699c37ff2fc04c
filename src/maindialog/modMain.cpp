#include "modMain.h"

#include "colormodels/SystemColors.h"
#include "maindialog/frmTintrix.h"
#include "platform/QtSystemColors.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace modMain {
namespace {

constexpr OLE_COLOR kStartColor = 0x8BD9FE;
const char* const kUserDefinedColorsFileName = "UserDefinedColors.txt";
const char* const kUserDefinedColorsPrefix = "USER_";
const char* const kConfigFolderName = "tintrix";

const char* const kNoDisplayText = "tintrix: cannot open a display: start Tintrix in a desktop session, or "
                                   "name one with DISPLAY, WAYLAND_DISPLAY or -platform\n";

// Qt's messages while the application starts: where no display can be opened, Qt gives a few
// warnings and then a fatal message that aborts the program. Held back here until the start has
// succeeded, they give way to one line and exit code 1 where it fails. (A message handler is a
// plain function, hence the one static.)
std::vector<QString>& HeldStartMessages() {
    static std::vector<QString> held;
    return held;
}

void HoldStartMessage(QtMsgType Type, const QMessageLogContext& Context, const QString& Message) {
    if (Type == QtFatalMsg) {
        std::fputs(kNoDisplayText, stderr);
        std::fflush(stderr);
        std::_Exit(1); // Qt would abort after the handler returns
    }
    HeldStartMessages().push_back(qFormatLogMessage(Type, Context, Message));
}

void PrintUsage(int& argc, char** argv) {
    // No display: the program's folder is all that is needed.
    const QCoreApplication core(argc, argv);
    const QString file = LocateUserDefinedColorsFile(
        QCoreApplication::applicationDirPath(), qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::homePath(),
        [](const QString& Folder) { return QFileInfo(Folder).isWritable(); });
    const QString usage =
        QStringLiteral("Usage: tintrix [--help | --version] [Qt options]\n"
                       "Choose a color and read off its values.\n"
                       "\n"
                       "Your own colors are read from %1\n"
                       "(UserDefinedColors.txt beside the program; where that folder holds none and\n"
                       "cannot be written, $XDG_CONFIG_HOME/tintrix/UserDefinedColors.txt, or\n"
                       "~/.config/tintrix/UserDefinedColors.txt).\n"
                       "\n"
                       "  --help     show this help and exit\n"
                       "  --version  show the version and exit\n"
                       "Qt's own options, such as -style NAME, -platform NAME and -display NAME, pass\n"
                       "through to Qt.\n")
            .arg(file);
    std::fputs(usage.toLocal8Bit().constData(), stdout);
}

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
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("tintrix " TINTRIX_VERSION "\n", stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintUsage(argc, argv);
            return 0;
        }
    }

    const QtMessageHandler previousHandler = qInstallMessageHandler(HoldStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const QString& message : HeldStartMessages()) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
    HeldStartMessages().clear();
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
