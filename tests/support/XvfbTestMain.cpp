// main() of the tests that need a real X server: starts a private Xvfb on a display number the
// server picks itself (so parallel tests never collide), runs GoogleTest inside a QApplication
// on it and stops the server. Without Xvfb the tests run on the offscreen platform and skip.
#include "support/XServerTest.h"

#include <QApplication>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// One 24-bit screen, large enough for a few windows and small enough to copy quickly.
constexpr const char* kScreen = "1024x768x24";
constexpr int kStartTimeoutMs = 20000;

class Xvfb {
public:
    Xvfb() = default;
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;
    ~Xvfb() { Stop(); }

    // The display name (":7"), or an empty string and Error saying why there is none.
    std::string Start(std::string& Error) {
        std::array<int, 2> pipeFds{};
        if (pipe2(pipeFds.data(), O_CLOEXEC) != 0) {
            Error = std::string("pipe: ") + std::strerror(errno);
            return {};
        }
        mPid = fork();
        if (mPid < 0) {
            Error = std::string("fork: ") + std::strerror(errno);
            return {};
        }
        if (mPid == 0) {
            // The server must not outlive a test that crashes.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            fcntl(pipeFds[1], F_SETFD, 0);
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            const std::string fd = std::to_string(pipeFds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-screen", "0", kScreen,
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

private:
    // Xvfb writes the display number and a line end once it accepts connections.
    static std::string ReadDisplayNumber(int fd) {
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

    std::string Failure() {
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

    void Stop() {
        if (mPid > 0) {
            kill(mPid, SIGTERM);
            waitpid(mPid, nullptr, 0);
            mPid = -1;
        }
    }

    pid_t mPid = -1;
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    Xvfb server;
    std::string error;
    const std::string display = server.Start(error);
    if (display.empty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        qputenv("DISPLAY", QByteArray::fromStdString(display));
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        app.setProperty(XServerTest::UnavailableProperty, QString::fromStdString(error));
        result = RUN_ALL_TESTS();
    }
    return result;
}
