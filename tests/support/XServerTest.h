#pragma once

#include <QGuiApplication>
#include <QVariant>
#include <gtest/gtest.h>

// The base of tests that need a real X server. Their main() (XvfbTestMain.cpp) runs them on a
// private Xvfb; when none could be started, every such test skips and says why.
class XServerTest : public testing::Test {
public:
    // The application property in which main() leaves the reason there is no X server.
    static constexpr const char* UnavailableProperty = "tintrixXServerUnavailable";

protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "no X server: " << qApp->property(UnavailableProperty).toString().toStdString();
        }
    }
};
