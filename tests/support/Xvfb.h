#pragma once

#include "support/ReadyProcess.h"

#include <string>
#include <utility>

// A private Xvfb server for the tests and benchmarks that need a real X server. It picks a free
// display number itself, so that tests running in parallel never collide, and it ends with this
// object, or with the process if that crashes.
class Xvfb {
public:
    // Screen as Xvfb's -screen option takes it: width x height x depth.
    explicit Xvfb(std::string Screen = "1024x768x24") : mScreen(std::move(Screen)) {}

    // Starts the server and returns its display name (":7"), or an empty string with Error
    // saying why there is none.
    std::string Start(std::string& Error);

    // Starts the server and points Qt at it (DISPLAY, QT_QPA_PLATFORM=xcb, no D-Bus session);
    // without one, at the offscreen platform. Call before the QApplication is made. The error,
    // or an empty string.
    std::string StartForQt();

private:
    std::string mScreen;
    ReadyProcess mServer;
};
