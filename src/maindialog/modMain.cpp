#include "modMain.h"

#include "colormodels/SystemColors.h"
#include "maindialog/frmTintrix.h"
#include "platform/QtSystemColors.h"

#include <QApplication>
#include <memory>

namespace modMain {
namespace {

constexpr OLE_COLOR kStartColor = 0x8BD9FE;
const char* const kUserDefinedColorsFileName = "UserDefinedColors.txt";
const char* const kUserDefinedColorsPrefix = "USER_";

} // namespace

QString UserDefinedColorsFilePath(const QString& Folder) {
    return (Folder.endsWith('/') ? Folder : Folder + '/') + QString::fromLatin1(kUserDefinedColorsFileName);
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
    dialog->ShowDialog(kStartColor, false, UserDefinedColorsFilePath(QCoreApplication::applicationDirPath()),
                       QString::fromLatin1(kUserDefinedColorsPrefix), nullptr);
    return app.exec();
}

} // namespace modMain
