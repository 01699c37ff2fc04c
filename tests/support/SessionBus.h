#pragma once

#include "support/ReadyProcess.h"

#include <string>

// A private session bus for the tests that talk D-Bus: a dbus-daemon of our own under a
// configuration that knows no services to start, so that nothing of the real desktop (a real
// portal, say) can answer on it. It ends with this object, or with the test process.
class SessionBus {
public:
    ~SessionBus();

    // Starts the daemon and points DBUS_SESSION_BUS_ADDRESS at it; without one, at no bus at all,
    // so that the tests never reach the user's session. Call before the QApplication is made.
    // The error, or an empty string.
    std::string StartForQt();

private:
    std::string mFolder; // holds the configuration and the bus's socket
    ReadyProcess mDaemon;
};
