// Process start to the main dialog on screen: starts the program again and again and waits,
// on the X display in DISPLAY, for its window "Tintrix" to be mapped.
// Usage: bench_startup PROGRAM [RUNS]   (for example under xvfb-run -a)
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool IsTintrixWindow(Display* display, Window window) {
    char* name = nullptr;
    const bool found =
        XFetchName(display, window, &name) != 0 && name != nullptr && std::strcmp(name, "Tintrix") == 0;
    if (name != nullptr) {
        XFree(name);
    }
    return found;
}

// Milliseconds from fork to the mapping of the program's window; a negative value on a timeout.
double TimeOneStart(Display* display, const char* program) {
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double elapsed = -1.0;
    const Clock::time_point deadline = start + std::chrono::seconds(10);
    while (Clock::now() < deadline && elapsed < 0.0) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && IsTintrixWindow(display, event.xmap.window)) {
                elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            }
        }
        usleep(200);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display (run it under xvfb-run -a)\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = TimeOneStart(display, argv[1]);
        if (ms < 0.0) {
            std::fprintf(stderr, "run %d: no window within 10 s\n", i + 1);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("process start to dialog shown over %d runs: min %.1f ms, median %.1f ms, max %.1f ms\n",
                runs, times.front(), times[times.size() / 2], times.back());
    XCloseDisplay(display);
    return 0;
}
