#include "support/Xvfb.h"

#include <QByteArray>
#include <QtGlobal>

std::string Xvfb::Start(std::string& Error) {
    const std::string number = mServer.Start(
        "Xvfb", {"-displayfd", ReadyProcess::kReportFd, "-nolisten", "tcp", "-screen", "0", mScreen}, "xvfb",
        Error);
    return number.empty() ? std::string() : ":" + number;
}

std::string Xvfb::StartForQt() {
    std::string error;
    const std::string display = Start(error);
    qputenv("QT_QPA_PLATFORM", display.empty() ? "offscreen" : "xcb");
    qputenv("DISPLAY", QByteArray::fromStdString(display));
    // The private X session has no session bus and must not reach the user's, which Qt's
    // accessibility would look for (and libdbus leaks on the way).
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    return error;
}
