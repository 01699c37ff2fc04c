// main() of the tests that need a real X server: starts a private Xvfb and the window manager
// that TINTRIX_TEST_WM names (none when it is not set), runs GoogleTest inside a QApplication
// there and stops both. Without them the tests run on the offscreen platform, or skip
// (XServerTest), saying why.
#include "support/XServerTest.h"
#include "support/Xvfb.h"

#include <QApplication>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    Xvfb server;
    std::string error = server.StartForQt();
    // TINTRIX_TEST_WM: "openbox" (Debian's; its start-up command reports through its own copy
    // of the pipe) or "framing" (FramingWindowManager.cpp).
    ReadyProcess windowManager;
    const QString manager = qEnvironmentVariable("TINTRIX_TEST_WM");
    if (error.empty() && manager == QLatin1String("openbox")) {
        windowManager.Start("openbox", {"--startup", "sh -c 'echo ready > /proc/$PPID/fd/{fd}'"}, "openbox",
                            error);
    } else if (error.empty() && !manager.isEmpty()) {
        windowManager.Start(TINTRIX_FRAMING_WM, {ReadyProcess::kReportFd}, "tintrix", error);
    }
    QApplication app(argc, argv);
    app.setProperty(XServerTest::UnavailableProperty, QString::fromStdString(error));
    return RUN_ALL_TESTS();
}
