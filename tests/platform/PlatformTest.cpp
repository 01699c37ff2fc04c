// The platform layer's own rules: colour conversion, the desktop's system colours, twips, the
// picture box, the choice of the picking backend and the composing of several monitors.
#include "colormodels/SystemColors.h"
#include "colormodels/modColorModels.h"
#include "platform/MonitorLayout.h"
#include "platform/PickingBackend.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "platform/QtScreenMetrics.h"
#include "platform/QtSystemColors.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

TEST(QtPlatform, ConvertsColoursReadsThePaletteAndKeepsAPicture) {
    EXPECT_EQ(QtColor::ToQColor(0x8BD9FE), QColor(0xFE, 0xD9, 0x8B));
    EXPECT_EQ(QtColor::FromQColor(QColor(0xFE, 0xD9, 0x8B, 0x10)), 0x8BD9FE);
    EXPECT_EQ(QtColor::ToQColor(OleColor::FromBits(0x7F000000)), QColor(0, 0, 0));
    const QPalette saved = QApplication::palette();
    auto classic = SystemColors::Install(std::make_unique<Platform::QtSystemColors>());
    QPalette palette = saved;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    QApplication::setPalette(palette);
    EXPECT_EQ(modColorModels::TranslateColor(OleColor::SystemColor(15)),
              OleColor::Rgb(1, 2, 3)); // button face
    EXPECT_EQ(modColorModels::TranslateColor(OleColor::SystemColor(5)), OleColor::Rgb(4, 5, 6)); // window
    for (int i = 0; i <= SystemColors::MaxIndex; ++i) {
        EXPECT_TRUE(SystemColors::OleTranslateColor(OleColor::SystemColor(i))) << i;
    }
    QApplication::setPalette(saved);
    SystemColors::Install(std::move(classic));
    const Platform::QtScreenMetrics metrics;
    EXPECT_DOUBLE_EQ(metrics.TwipsPerPixelX() * QGuiApplication::primaryScreen()->logicalDotsPerInchX(),
                     1440.0);
    EXPECT_DOUBLE_EQ(metrics.TwipsPerPixelY() * QGuiApplication::primaryScreen()->logicalDotsPerInchY(),
                     1440.0);
    EXPECT_EQ(metrics.PrimaryScreenSize(), QGuiApplication::primaryScreen()->size());
    PictureBox box;
    box.SetBackColor(0x0000FF);
    box.resize(30, 20);
    EXPECT_EQ(QSize(box.ScaleWidth(), box.ScaleHeight()), QSize(30, 20));
    EXPECT_EQ(box.Image().pixelColor(29, 19), QColor(255, 0, 0));
    box.Image().setPixelColor(3, 4, QColor(1, 2, 3));
    box.SetBackColor(OleColor::SystemColor(5));
    EXPECT_EQ(box.Image().pixelColor(3, 4), QColor(1, 2, 3)); // drawing stays until cleared
    box.Cls();
    EXPECT_EQ(box.Image().pixelColor(3, 4), QColor(255, 255, 255));
}

TEST(PickingBackend, X11ReadsTheScreenWaylandAsksThePortalElsewhereOnlyAnUnreadableScreenDoes) {
    using enum Platform::PickingBackend;
    const struct {
        const char* platform;
        bool readable, portal;
        Platform::PickingBackend chosen;
        bool asksScreen, asksPortal;
    } table[] = {{"xcb", false, true, ScreenReading, false, false},
                 {"wayland", false, false, DesktopPicker, false, false},
                 {"wayland-egl", true, true, DesktopPicker, false, false},
                 {"eglfs", true, true, ScreenReading, true, false},
                 {"offscreen", false, true, DesktopPicker, true, true},
                 {"offscreen", false, false, ScreenReading, true, true}};
    for (const auto& s : table) {
        int screenAsked = 0, portalAsked = 0;
        const auto chosen = Platform::ChoosePickingBackend(
            QString::fromLatin1(s.platform), [&] { return ++screenAsked, s.readable; },
            [&] { return ++portalAsked, s.portal; });
        EXPECT_EQ(chosen, s.chosen) << s.platform;
        EXPECT_EQ(std::pair(screenAsked > 0, portalAsked > 0), std::pair(s.asksScreen, s.asksPortal))
            << s.platform;
    }
}

using MonitorLayout::Monitor;

// The colour of the screen pixel at x, y: neighbours always differ.
QRgb TruePixel(int x, int y) {
    return 0xFF000000u | (static_cast<QRgb>(x * 7919 + y * 104729) & 0xFFFFFFu);
}

// Answers like QScreen::grabWindow(0, ...) on X11: the device-independent rectangle's corner and
// size scaled by the ratio with qRound, the copy holding the monitor's physical pixels from there.
struct FakeMonitors {
    QImage operator()(std::size_t index, const QRect& local) {
        asked.push_back(local);
        const qreal r = list[index].ratio;
        const QPoint corner =
            list[index].Pixels().topLeft() + QPoint(qRound(local.x() * r), qRound(local.y() * r));
        QImage copy(qRound(local.width() * r), qRound(local.height() * r), QImage::Format_RGB32);
        for (int y = 0; y < copy.height(); ++y) {
            for (int x = 0; x < copy.width(); ++x) {
                copy.setPixel(x, y, TruePixel(corner.x() + x, corner.y() + y));
            }
        }
        return unreadable == static_cast<int>(index) ? QImage() : copy;
    }
    std::vector<Monitor> list;
    std::vector<QRect> asked;
    int unreadable = -1;
};

// A 1920 x 1080 primary monitor and a 1920 x 1080 one at ratio 2 to its right.
const std::vector<Monitor> kSideBySide = {{{0, 0, 1920, 1080}, 1.0}, {{1920, 0, 960, 540}, 2.0}};

TEST(MonitorLayout, ConvertsAndFindsPositionsOnEveryMonitor) {
    const Monitor& scaled = kSideBySide[1];
    EXPECT_EQ(scaled.Pixels(), QRect(1920, 0, 1920, 1080));
    EXPECT_EQ(scaled.ToPixels(QRect(2000, 100, 30, 40)), QRect(2080, 200, 60, 80));
    EXPECT_EQ(scaled.ToLogical(QPoint(2081, 201)), QPoint(2000, 100)); // 80.5 and 100.5 to even
    EXPECT_EQ(scaled.ToLogical(QPoint(2083, 203)), QPoint(2002, 102)); // 81.5 and 101.5 to even
    EXPECT_EQ(MonitorLayout::MonitorAtPixel(kSideBySide, {1919, 0}), &kSideBySide[0]);
    EXPECT_EQ(MonitorLayout::MonitorAtPixel(kSideBySide, {3840, 0}), nullptr);
    EXPECT_EQ(MonitorLayout::MonitorAtLogical(kSideBySide, {2879, 539}), &kSideBySide[1]);
    EXPECT_EQ(MonitorLayout::MonitorAtLogical(kSideBySide, {2879, 540}), nullptr);
    std::vector<Monitor> withLeft = kSideBySide;
    withLeft.push_back({{-1280, 200, 1280, 1024}, 1.0});
    EXPECT_EQ(MonitorLayout::Desktop(withLeft), QRectF(-1280, 0, 5120, 1224));
    EXPECT_TRUE(MonitorLayout::Desktop({}).isEmpty());
}

TEST(MonitorLayout, ComposesThePhysicalPixelsOfEveryMonitorAnAreaTouches) {
    const struct {
        std::vector<Monitor> monitors;
        QRect area;
        int unreadable;
    } table[] = {{kSideBySide, {1900, 1000, 60, 200}, -1},
                 {kSideBySide, {1953, 33, 9, 7}, -1},
                 {kSideBySide, {1910, 0, 20, 10}, 1},
                 {{{{0, 0, 1280, 720}, 1.5}}, {7, 5, 11, 13}, -1},
                 {{{{0, 0, 1280, 720}, 1.5}}, {1, 1, 1, 1}, -1}};
    for (const auto& c : table) {
        FakeMonitors monitors{c.monitors, {}, c.unreadable};
        const QImage image = MonitorLayout::Compose(monitors.list, c.area, std::ref(monitors));
        ASSERT_EQ(image.size(), c.area.size());
        int wrong = 0;
        for (int y = 0; y < c.area.height(); ++y) {
            for (int x = 0; x < c.area.width(); ++x) {
                const QPoint at = c.area.topLeft() + QPoint(x, y);
                const Monitor* on = MonitorLayout::MonitorAtPixel(c.monitors, at);
                const bool shown = on != nullptr && (c.unreadable < 0 || on != &c.monitors[c.unreadable]);
                wrong += image.pixel(x, y) != (shown ? TruePixel(at.x(), at.y()) : 0u);
            }
        }
        EXPECT_EQ(wrong, 0) << c.area.x() << ", " << c.area.y();
    }
    FakeMonitors monitors{kSideBySide, {}, -1};
    MonitorLayout::Compose(monitors.list, QRect(1900, 1000, 60, 200), std::ref(monitors));
    EXPECT_EQ(monitors.asked, (std::vector<QRect>{{1900, 1000, 20, 80}, {0, 500, 20, 40}}));
    EXPECT_TRUE(MonitorLayout::Compose(monitors.list, QRect(), std::ref(monitors)).isNull());
}

} // namespace
