#include "support/Xvfb.h"

#include <QByteArray>
#include <QtGlobal>

std::string Xvfb::Start(std::string& Error) {
    // Xvfb reports the display number it took.
    const std::string number = mServer.Start(
        "Xvfb", {"-displayfd", ReadyProcess::kReportFd, "-nolisten", "tcp", "-screen", "0", mScreen}, "xvfb",
        Error);
    return number.empty() ? std::string() : ":" + number;
}

std::string Xvfb::StartForQt() {
    std::string error;
    const std::string display = Start(error);
    if (display.empty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        qputenv("DISPLAY", QByteArray::fromStdString(display));
        qputenv("QT_QPA_PLATFORM", "xcb");
        // The private X session has no session bus, and must not reach the user's: Qt's
        // accessibility would otherwise look for one there (and libdbus leaks on the way).
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
    return error;
}
