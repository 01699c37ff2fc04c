#include "support/SessionBus.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

SessionBus::~SessionBus() {
    mDaemon.Stop();
    if (!mFolder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(mFolder, ignored);
    }
}

std::string SessionBus::Start(std::string& Error) {
    std::string folder = (std::filesystem::temp_directory_path() / "tintrix-bus-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        Error = "no folder for the bus: " + folder;
        return {};
    }
    mFolder = folder;
    const std::string config = mFolder + "/bus.conf";
    std::ofstream(config)
        << R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=)"
        << mFolder << R"(</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
    return mDaemon.Start("dbus-daemon",
                         {"--config-file=" + config, "--nofork", "--nopidfile",
                          std::string("--print-address=") + ReadyProcess::kReportFd},
                         "dbus-daemon", Error);
}

std::string SessionBus::StartForQt() {
    std::string error;
    const std::string address = Start(error);
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            address.empty() ? QByteArray("disabled:") : QByteArray::fromStdString(address));
    return error;
}
