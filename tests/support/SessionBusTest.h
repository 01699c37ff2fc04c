#pragma once

#include <QCoreApplication>
#include <QDBusConnection>
#include <QVariant>
#include <gtest/gtest.h>
#include <optional>
#include <string>

// The base of tests that talk D-Bus. Their main() (SessionBusTestMain.cpp) runs them on a
// private session bus; where none could be started, every such test skips and says why.
class SessionBusTest : public testing::Test {
public:
    // The application property in which main() leaves the reason there is no bus.
    static constexpr const char* UnavailableProperty = "tintrixSessionBusUnavailable";

    // Why there is no private session bus; nullopt when there is one. Fixtures that cannot
    // derive from this class skip with it in their SetUp.
    static std::optional<std::string> Unavailable() {
        if (QDBusConnection::sessionBus().isConnected()) {
            return std::nullopt;
        }
        return "no private session bus: " + qApp->property(UnavailableProperty).toString().toStdString();
    }

protected:
    void SetUp() override {
        if (const auto why = Unavailable()) {
            GTEST_SKIP() << *why;
        }
    }
};
