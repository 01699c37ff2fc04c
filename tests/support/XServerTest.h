#pragma once

#include <QGuiApplication>
#include <QVariant>
#include <gtest/gtest.h>

// The base of tests that need a real X server. Their main() (XvfbTestMain.cpp) runs them on a
// private Xvfb, with the window manager asked for; when either could not be started, every such
// test skips and says why.
class XServerTest : public testing::Test {
public:
    // The application property in which main() leaves the reason there is no X server or no
    // window manager.
    static constexpr const char* UnavailableProperty = "tintrixXServerUnavailable";

protected:
    void SetUp() override {
        const QString unavailable = qApp->property(UnavailableProperty).toString();
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !unavailable.isEmpty()) {
            GTEST_SKIP() << "no X server or window manager: " << unavailable.toStdString();
        }
    }
};
