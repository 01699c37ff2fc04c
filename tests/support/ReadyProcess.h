#pragma once

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A server that tests start for themselves (a private X server, a private session bus) and
// that writes one line to a pipe of ours once it takes connections. It ends with this object,
// or with the test process if that crashes.
class ReadyProcess {
public:
    // In an argument, stands for the number of the descriptor the server reports on.
    static constexpr const char* kReportFd = "{fd}";
    static constexpr int kStartTimeoutMs = 20000;

    ReadyProcess() = default;
    ReadyProcess(const ReadyProcess&) = delete;
    ReadyProcess& operator=(const ReadyProcess&) = delete;
    ~ReadyProcess() { Stop(); }

    // Runs Program with Arguments and returns the line it reports, without the line end; an
    // empty string with Error saying why there is none. Package names the Debian package that
    // brings Program, for that message.
    std::string Start(const std::string& Program, std::vector<std::string> Arguments,
                      const std::string& Package, std::string& Error) {
        std::array<int, 2> pipeFds{};
        if (pipe2(pipeFds.data(), O_CLOEXEC) != 0) {
            Error = std::string("pipe: ") + std::strerror(errno);
            return {};
        }
        for (std::string& argument : Arguments) {
            if (const auto at = argument.find(kReportFd); at != std::string::npos) {
                argument.replace(at, std::strlen(kReportFd), std::to_string(pipeFds[1]));
            }
        }
        std::vector<char*> argv{const_cast<char*>(Program.c_str())};
        for (std::string& argument : Arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);

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
            execvp(Program.c_str(), argv.data());
            _exit(127);
        }
        close(pipeFds[1]);
        const std::string line = ReadLine(pipeFds[0]);
        close(pipeFds[0]);
        if (line.empty()) {
            Error = Failure(Program, Package);
        }
        return line;
    }

    void Stop() {
        if (mPid > 0) {
            kill(mPid, SIGTERM);
            waitpid(mPid, nullptr, 0);
            mPid = -1;
        }
    }

private:
    static std::string ReadLine(int fd) {
        std::string line;
        pollfd wait{fd, POLLIN, 0};
        while (poll(&wait, 1, kStartTimeoutMs) > 0) {
            char c = 0;
            if (read(fd, &c, 1) != 1 || c == '\n') {
                break;
            }
            line += c;
        }
        return line;
    }

    std::string Failure(const std::string& Program, const std::string& Package) {
        int status = 0;
        if (waitpid(mPid, &status, WNOHANG) == mPid) {
            mPid = -1;
            if (WIFEXITED(status) && WEXITSTATUS(status) == 127) {
                return Program + " could not be run (is the " + Package + " package installed?)";
            }
            return Program + " ended at start with status " + std::to_string(status);
        }
        Stop();
        return Program + " did not report within " + std::to_string(kStartTimeoutMs / 1000) + " s";
    }

    pid_t mPid = -1;
};
