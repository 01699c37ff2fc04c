#pragma once

#include "support/XServerTest.h"

#include <QDBusConnection>
#include <optional>
#include <string>

// The base of tests that talk D-Bus; their main() (QtTestMain.cpp built with TINTRIX_TEST_BUS)
// runs them on a private session bus. Where none could start, they skip saying why.
class SessionBusTest : public testing::Test {
public:
    // Why there is no private session bus; nullopt when there is one. Fixtures that cannot derive
    // from this class skip with it in their SetUp.
    static std::optional<std::string> Unavailable() {
        if (QDBusConnection::sessionBus().isConnected()) {
            return std::nullopt;
        }
        return "no private session bus: " +
               qApp->property(XServerTest::UnavailableProperty).toString().toStdString();
    }

protected:
    void SetUp() override {
        if (const auto why = Unavailable()) {
            GTEST_SKIP() << *why;
        }
    }
};
