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
    mFolder = (std::filesystem::temp_directory_path() / "tintrix-bus-XXXXXX").string();
    std::string error = mkdtemp(mFolder.data()) ? "" : "no folder for the bus";
    std::ofstream(mFolder + "/bus.conf")
        << "<busconfig><type>session</type><listen>unix:dir=" << mFolder
        << "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
           "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
           "<allow own=\"*\"/></policy></busconfig>\n";
    const std::string address =
        error.empty() ? mDaemon.Start("dbus-daemon",
                                      {"--config-file=" + mFolder + "/bus.conf", "--nofork", "--nopidfile",
                                       std::string("--print-address=") + ReadyProcess::kReportFd},
                                      "dbus-daemon", error)
                      : "";
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            address.empty() ? QByteArray("disabled:") : QByteArray::fromStdString(address));
    return error;
}
