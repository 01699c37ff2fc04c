// main() of the widget tests: GoogleTest inside a QApplication, on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise. Built with TINTRIX_TEST_XVFB it runs on a private X
// server, under the window manager TINTRIX_TEST_WM names ("openbox", or "framing" for
// FramingWindowManager.cpp; none when it is not set); with TINTRIX_TEST_BUS on a private
// session bus. The fixtures of XServerTest and SessionBusTest skip, saying why, where these
// could not start.
#include "support/SessionBus.h"
#include "support/SessionBusTest.h"
#include "support/XServerTest.h"
#include "support/Xvfb.h"

#include <QApplication>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::string unavailable = "the test runs without Xvfb and without a private bus";
#if defined(TINTRIX_TEST_XVFB)
    Xvfb server;
    unavailable = server.StartForQt();
    ReadyProcess windowManager;
    const QString manager = qEnvironmentVariable("TINTRIX_TEST_WM");
    if (unavailable.empty() && manager == QLatin1String("openbox")) {
        // openbox reports through its start-up command, on its own copy of the pipe.
        windowManager.Start("openbox", {"--startup", "sh -c 'echo ready > /proc/$PPID/fd/{fd}'"}, "openbox",
                            unavailable);
    } else if (unavailable.empty() && !manager.isEmpty()) {
        windowManager.Start(TINTRIX_FRAMING_WM, {ReadyProcess::kReportFd}, "tintrix", unavailable);
    }
#elif defined(TINTRIX_TEST_BUS)
    SessionBus bus;
    unavailable = bus.StartForQt();
#endif
    QApplication app(argc, argv);
    app.setProperty(XServerTest::UnavailableProperty, QString::fromStdString(unavailable));
    return RUN_ALL_TESTS();
}
