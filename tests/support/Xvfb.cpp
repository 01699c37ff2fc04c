#include "support/Xvfb.h"

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kStartTimeoutMs = 20000;

// Xvfb writes the display number and a line end once it accepts connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    pollfd wait{fd, POLLIN, 0};
    while (poll(&wait, 1, kStartTimeoutMs) > 0) {
        char c = 0;
        if (read(fd, &c, 1) != 1 || c == '\n') {
            break;
        }
        number += c;
    }
    return number;
}

} // namespace

std::string Xvfb::Start(std::string& Error) {
    std::array<int, 2> pipeFds{};
    if (pipe2(pipeFds.data(), O_CLOEXEC) != 0) {
        Error = std::string("pipe: ") + std::strerror(errno);
        return {};
    }
    mPid = fork();
    if (mPid < 0) {
        Error = std::string("fork: ") + std::strerror(errno);
        close(pipeFds[0]);
        close(pipeFds[1]);
        return {};
    }
    if (mPid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        fcntl(pipeFds[1], F_SETFD, 0);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        const std::string fd = std::to_string(pipeFds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", mScreen.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    const std::string number = ReadDisplayNumber(pipeFds[0]);
    close(pipeFds[0]);
    if (number.empty()) {
        Error = Failure();
        return {};
    }
    return ":" + number;
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

std::string Xvfb::Failure() {
    int status = 0;
    if (waitpid(mPid, &status, WNOHANG) == mPid) {
        mPid = -1;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 127) {
            return "Xvfb could not be run (is the xvfb package installed?)";
        }
        return "Xvfb ended at start with status " + std::to_string(status);
    }
    Stop();
    return "Xvfb did not report a display within " + std::to_string(kStartTimeoutMs / 1000) + " s";
}

void Xvfb::Stop() {
    if (mPid > 0) {
        kill(mPid, SIGTERM);
        waitpid(mPid, nullptr, 0);
        mPid = -1;
    }
}
