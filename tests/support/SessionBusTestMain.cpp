// main() of the tests that talk D-Bus: starts a private session bus, runs GoogleTest inside a
// QApplication on the offscreen platform (unless QT_QPA_PLATFORM says otherwise) and stops
// the bus. Without the bus, the tests deriving from SessionBusTest skip and say why.
#include "support/SessionBus.h"
#include "support/SessionBusTest.h"

#include <QApplication>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    SessionBus bus;
    const std::string error = bus.StartForQt();
    QApplication app(argc, argv);
    app.setProperty(SessionBusTest::UnavailableProperty, QString::fromStdString(error));
    return RUN_ALL_TESTS();
}
