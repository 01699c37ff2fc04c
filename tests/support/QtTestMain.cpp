// main() of the widget tests: GoogleTest inside a QApplication, on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise. Built with TINTRIX_TEST_XVFB it runs on a private X
// server, with TINTRIX_TEST_BUS on a private session bus; the fixtures of XServerTest and
// SessionBusTest skip, saying why, where these could not start.
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
#elif defined(TINTRIX_TEST_BUS)
    SessionBus bus;
    unavailable = bus.StartForQt();
#endif
    QApplication app(argc, argv);
    app.setProperty(XServerTest::UnavailableProperty, QString::fromStdString(unavailable));
    return RUN_ALL_TESTS();
}
