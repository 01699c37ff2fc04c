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
#include "support/ImageOf.h"
#include "support/QtPrinters.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

TEST(QtPlatform, ConvertsColoursReadsThePaletteAndKeepsAPicture) {
    EXPECT_EQ(std::tuple(QtColor::ToQColor(0x8BD9FE), QtColor::FromQColor(QColor(0xFE, 0xD9, 0x8B, 0x10)),
                         QtColor::ToQColor(OleColor::FromBits(0x7F000000))),
              std::tuple(QColor(0xFE, 0xD9, 0x8B), 0x8BD9FE, QColor(0, 0, 0)));
    auto classic = SystemColors::Install(std::make_unique<Platform::QtSystemColors>());
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    QApplication::setPalette(palette);
    EXPECT_EQ(std::tuple(modColorModels::TranslateColor(OleColor::SystemColor(15)), // button face
                         modColorModels::TranslateColor(OleColor::SystemColor(5))), // window
              std::tuple(0x030201, 0x060504));
    SystemColors::Install(std::move(classic));
    const Platform::QtScreenMetrics metrics;
    const QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_EQ(std::tuple(metrics.TwipsPerPixelX() * screen->logicalDotsPerInchX(),
                         metrics.TwipsPerPixelY() * screen->logicalDotsPerInchY(),
                         metrics.ScreenGeometryAt(std::nullopt)),
              std::tuple(1440.0, 1440.0, screen->geometry()));
    PictureBox box;
    box.resize(30, 20);
    box.Image().setPixelColor(3, 4, QColor(1, 2, 3));
    box.SetBackColor(0x0000FF);
    EXPECT_EQ(box.Image().pixelColor(3, 4), QColor(1, 2, 3)); // drawing stays until cleared
    box.Cls();
    EXPECT_EQ(box.Image().pixelColor(3, 4), QColor(255, 0, 0));
}

TEST(PickingBackend, AReadableScreenIsReadWaylandAndXWaylandPickOverAStillImage) {
    using enum Platform::PickingBackend;
    // clang-format off
    const std::tuple<const char*, bool, bool, Platform::PickingBackend, int, int> table[] = {
        {"xcb", true, true, ScreenReading, 1, 0}, {"xcb", false, false, StillImage, 1, 0},
        {"wayland", false, false, StillImage, 0, 0}, {"wayland-egl", true, true, StillImage, 0, 0},
        {"eglfs", true, true, ScreenReading, 1, 0}, {"offscreen", false, true, StillImage, 1, 1},
        {"offscreen", false, false, ScreenReading, 1, 1}};
    // clang-format on
    for (const auto& [platform, readable, portal, chosen, asksScreen, asksPortal] : table) {
        int screenAsked = 0, portalAsked = 0;
        const auto backend = Platform::ChoosePickingBackend(
            QString::fromLatin1(platform), [&] { return ++screenAsked, readable; },
            [&] { return ++portalAsked, portal; });
        EXPECT_EQ(std::tuple(backend, screenAsked, portalAsked), std::tuple(chosen, asksScreen, asksPortal))
            << platform;
    }
}

// A 1920 x 1080 primary monitor, a 1920 x 1080 one at ratio 2 to its right and one at 1.5 below.
const std::vector<MonitorLayout::Monitor> kMonitors = {
    {{0, 0, 1920, 1080}, 1.0}, {{1920, 0, 960, 540}, 2.0}, {{0, 1080, 1280, 720}, 1.5}};

// The colour of screen pixel x, y (neighbours differ); the monitors answer like QScreen::grabWindow
// on X11: the rectangle's corner and size scaled by the ratio with qRound, the copy in physical pixels.
QRgb TruePixel(QPoint at) {
    return 0xFF000000u | (static_cast<QRgb>(at.x() * 7919 + at.y() * 104729) & 0xFFFFFFu);
}
QImage Grab(std::size_t index, const QRect& local) {
    const qreal r = kMonitors[index].ratio;
    const QPoint corner =
        kMonitors[index].Pixels().topLeft() + QPoint(qRound(local.x() * r), qRound(local.y() * r));
    const QImage copy = ImageOf(QSize(qRound(local.width() * r), qRound(local.height() * r)),
                                [&corner](QPoint at) { return TruePixel(corner + at); });
    return index == 2 && local.x() >= 100 ? QImage() : copy; // part of the third cannot be read
}

TEST(MonitorLayout, ComposesThePhysicalPixelsOfEveryMonitorAnAreaTouches) {
    EXPECT_EQ(std::tuple(kMonitors[1].Pixels(), kMonitors[1].ToLogical(QPoint(2081, 201)),
                         kMonitors[1].ToLogical(QPoint(2083, 203)), MonitorLayout::Desktop(kMonitors)),
              std::tuple(QRect(1920, 0, 1920, 1080), QPoint(2000, 100), QPoint(2002, 102),
                         QRectF(0, 0, 3840, 2160)));
    for (const QRect area : {QRect(1900, 1000, 60, 200), QRect(1953, 33, 9, 7), QRect(7, 1085, 11, 13),
                             QRect(150, 1085, 5, 5)}) {
        const QImage image = MonitorLayout::Compose(kMonitors, area, Grab);
        const QImage expected = ImageOf(area.size(), [&area](QPoint p) {
            const QPoint at = area.topLeft() + p;
            const auto* on = MonitorLayout::MonitorAtPixel(kMonitors, at);
            return on && (on != &kMonitors[2] || at.x() < 150) ? TruePixel(at) : 0u;
        });
        EXPECT_TRUE(image == expected) << area.x() << ", " << area.y();
    }
    EXPECT_TRUE(MonitorLayout::Compose(kMonitors, QRect(), Grab).isNull());
}

} // namespace
