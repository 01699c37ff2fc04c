#include "support/SessionBus.h"

#include <QByteArray>
#include <QtGlobal>
#include <filesystem>
#include <fstream>

SessionBus::~SessionBus() {
    mDaemon.Stop();
    std::error_code ignored;
    std::filesystem::remove_all(mFolder, ignored);
}

std::string SessionBus::StartForQt() {
    std::string error = "no folder for the bus";
    std::string address;
    mFolder = (std::filesystem::temp_directory_path() / "tintrix-bus-XXXXXX").string();
    if (mkdtemp(mFolder.data()) != nullptr) {
        const std::string config = mFolder + "/bus.conf";
        std::ofstream(config)
            << "<busconfig><type>session</type><listen>unix:dir=" << mFolder
            << "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow "
               "send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow "
               "own=\"*\"/></policy></busconfig>\n";
        error.clear();
        // Built piece by piece: g++ 12 sees a false array-bounds fault in moved concatenations.
        std::vector<std::string> arguments{"--nofork", "--nopidfile", "--config-file=", "--print-address="};
        arguments[2] += config;
        arguments[3] += ReadyProcess::kReportFd;
        address = mDaemon.Start("dbus-daemon", std::move(arguments), "dbus-daemon", error);
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            address.empty() ? QByteArray("disabled:") : QByteArray::fromStdString(address));
    return error;
}
