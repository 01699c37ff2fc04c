#pragma once

#include <QGuiApplication>
#include <QVariant>
#include <gtest/gtest.h>

// The base of tests that need a real X server; their main() (QtTestMain.cpp built with
// TINTRIX_TEST_XVFB) runs them on a private Xvfb. Where none could start, they skip saying why.
class XServerTest : public testing::Test {
public:
    // The application property in which main() leaves the reason there is no server or bus.
    static constexpr const char* UnavailableProperty = "tintrixUnavailable";

protected:
    void SetUp() override {
        const QString unavailable = qApp->property(UnavailableProperty).toString();
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !unavailable.isEmpty()) {
            GTEST_SKIP() << "no X server or window manager: " << unavailable.toStdString();
        }
    }
};
