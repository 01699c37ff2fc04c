// main() of the tests that need a real X server: starts a private Xvfb, runs GoogleTest inside
// a QApplication on it and stops the server. Without Xvfb the tests run on the offscreen
// platform, where XServerTest skips them.
#include "support/XServerTest.h"
#include "support/Xvfb.h"

#include <QApplication>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    Xvfb server;
    const std::string error = server.StartForQt();
    QApplication app(argc, argv);
    app.setProperty(XServerTest::UnavailableProperty, QString::fromStdString(error));
    return RUN_ALL_TESTS();
}
