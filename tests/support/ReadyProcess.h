#pragma once

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
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

    ReadyProcess() = default;
    ReadyProcess(const ReadyProcess&) = delete;
    ReadyProcess& operator=(const ReadyProcess&) = delete;
    ~ReadyProcess() { Stop(); }

    // Runs Program with Arguments and returns the line it reports, without the line end; an
    // empty string with Error saying why there is none (Package names the Debian package).
    std::string Start(const std::string& Program, std::vector<std::string> Arguments,
                      const std::string& Package, std::string& Error) {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            Error = "no pipe";
            return {};
        }
        std::vector<char*> argv{const_cast<char*>(Program.c_str())};
        for (std::string& argument : Arguments) {
            if (const auto at = argument.find(kReportFd); at != std::string::npos) {
                argument = argument.substr(0, at) + std::to_string(fds[1]) +
                           argument.substr(at + std::strlen(kReportFd));
            }
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if ((mPid = fork()) == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            fcntl(fds[1], F_SETFD, 0);
            dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
            dup2(STDOUT_FILENO, STDERR_FILENO);
            execvp(Program.c_str(), argv.data());
            _exit(127);
        }
        close(fds[1]);
        std::string line;
        pollfd wait{fds[0], POLLIN, 0};
        for (char c = 0; poll(&wait, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n';) {
            line += c;
        }
        close(fds[0]);
        if (line.empty()) {
            Stop();
            Error = Program + " did not start within 20 s (is the " + Package + " package installed?)";
        }
        return line;
    }

    void Stop() {
        if (mPid > 0) {
            kill(mPid, SIGTERM);
            waitpid(mPid, nullptr, 0);
        }
        mPid = -1;
    }

private:
    pid_t mPid = -1;
};
