#include "platform/MonitorLayout.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using MonitorLayout::Monitor;

// The colour of the screen pixel at x, y: neighbours always differ.
QRgb TruePixel(int x, int y) {
    return 0xFF000000u | (static_cast<QRgb>(x * 7919 + y * 104729) & 0xFFFFFFu);
}

// Answers like QScreen::grabWindow(0, ...) on X11: the device-independent rectangle's corner
// and size are scaled by the ratio with qRound, and the copy holds the monitor's physical
// pixels from there.
class FakeMonitors {
public:
    explicit FakeMonitors(std::vector<Monitor> monitors) : list(std::move(monitors)) {}

    QImage operator()(std::size_t index, const QRect& local) {
        asked.push_back(local);
        const Monitor& monitor = list[index];
        if (unreadable == static_cast<int>(index)) {
            return QImage();
        }
        const qreal r = monitor.ratio;
        const QPoint corner =
            monitor.Pixels().topLeft() + QPoint(qRound(local.x() * r), qRound(local.y() * r));
        QImage copy(qRound(local.width() * r), qRound(local.height() * r), QImage::Format_RGB32);
        for (int y = 0; y < copy.height(); ++y) {
            for (int x = 0; x < copy.width(); ++x) {
                copy.setPixel(x, y, TruePixel(corner.x() + x, corner.y() + y));
            }
        }
        return copy;
    }

    std::vector<Monitor> list;
    std::vector<QRect> asked;
    int unreadable = -1;
};

// What Compose must give: the true pixel where a monitor is, transparent elsewhere.
void ExpectTruePixels(const QImage& image, const QRect& area, const std::vector<Monitor>& monitors) {
    ASSERT_EQ(image.size(), area.size());
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    int wrong = 0;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QPoint at = area.topLeft() + QPoint(x, y);
            const QRgb expected =
                MonitorLayout::MonitorAtPixel(monitors, at) ? TruePixel(at.x(), at.y()) : 0u;
            if (image.pixel(x, y) != expected && ++wrong <= 5) {
                ADD_FAILURE() << "screen pixel " << at.x() << ", " << at.y();
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

// A 1920 x 1080 primary monitor and a 1920 x 1080 one at ratio 2 to its right.
const std::vector<Monitor> kSideBySide = {{{0, 0, 1920, 1080}, 1.0}, {{1920, 0, 960, 540}, 2.0}};

TEST(MonitorLayout, MonitorKeepsItsCornerAndScalesFromIt) {
    const Monitor& scaled = kSideBySide[1];
    EXPECT_EQ(scaled.Pixels(), QRect(1920, 0, 1920, 1080));
    EXPECT_EQ(scaled.ToPixels(QPoint(2000, 100)), QPoint(2080, 200));
    EXPECT_EQ(scaled.ToPixels(QRect(2000, 100, 30, 40)), QRect(2080, 200, 60, 80));
    EXPECT_EQ(scaled.ToLogical(QPoint(2080, 200)), QPoint(2000, 100));
    EXPECT_EQ(scaled.ToLogical(QPoint(2081, 201)), QPoint(2000, 100)); // 80.5 and 100.5 to even
    EXPECT_EQ(scaled.ToLogical(QPoint(2083, 203)), QPoint(2002, 102)); // 81.5 and 101.5 to even
}

TEST(MonitorLayout, FindsTheMonitorOfAPosition) {
    EXPECT_EQ(MonitorLayout::MonitorAtPixel(kSideBySide, {1919, 0}), &kSideBySide[0]);
    EXPECT_EQ(MonitorLayout::MonitorAtPixel(kSideBySide, {3000, 1000}), &kSideBySide[1]);
    EXPECT_EQ(MonitorLayout::MonitorAtPixel(kSideBySide, {3840, 0}), nullptr);
    EXPECT_EQ(MonitorLayout::MonitorAtLogical(kSideBySide, {2879, 539}), &kSideBySide[1]);
    EXPECT_EQ(MonitorLayout::MonitorAtLogical(kSideBySide, {2879, 540}), nullptr);
}

TEST(MonitorLayout, DesktopHoldsEveryMonitor) {
    EXPECT_EQ(MonitorLayout::Desktop(kSideBySide), QRectF(0, 0, 3840, 1080));
    std::vector<Monitor> withLeft = kSideBySide;
    withLeft.push_back({{-1280, 200, 1280, 1024}, 1.0});
    EXPECT_EQ(MonitorLayout::Desktop(withLeft), QRectF(-1280, 0, 5120, 1224));
    EXPECT_TRUE(MonitorLayout::Desktop({}).isEmpty());
}

TEST(MonitorLayout, ComposesAnAreaFromEveryMonitorItTouches) {
    FakeMonitors monitors(kSideBySide);
    const QRect area(1900, 1000, 60, 200); // both monitors, and below them nothing
    ExpectTruePixels(MonitorLayout::Compose(monitors.list, area, std::ref(monitors)), area, monitors.list);
    ASSERT_EQ(monitors.asked.size(), 2u);
    EXPECT_EQ(monitors.asked[0], QRect(1900, 1000, 20, 80));
    EXPECT_EQ(monitors.asked[1], QRect(0, 500, 20, 40));
}

TEST(MonitorLayout, ReadsPhysicalPixelsBetweenDeviceIndependentOnes) {
    FakeMonitors monitors(kSideBySide);
    const QRect area(1953, 33, 9, 7); // starts on the second physical pixel of one
    ExpectTruePixels(MonitorLayout::Compose(monitors.list, area, std::ref(monitors)), area, monitors.list);
}

TEST(MonitorLayout, ReadsAMonitorWithARatioThatIsNotWhole) {
    FakeMonitors monitors({{{0, 0, 1280, 720}, 1.5}});
    for (const QRect& area :
         {QRect(7, 5, 11, 13), QRect(0, 0, 3, 3), QRect(1, 1, 1, 1), QRect(1910, 1070, 10, 10)}) {
        SCOPED_TRACE(testing::Message() << area.x() << ", " << area.y());
        ExpectTruePixels(MonitorLayout::Compose(monitors.list, area, std::ref(monitors)), area,
                         monitors.list);
    }
}

TEST(MonitorLayout, LeavesAnUnreadableMonitorTransparent) {
    FakeMonitors monitors(kSideBySide);
    monitors.unreadable = 1;
    const QImage image = MonitorLayout::Compose(monitors.list, QRect(1910, 0, 20, 10), std::ref(monitors));
    EXPECT_EQ(image.pixel(9, 0), TruePixel(1919, 0));
    EXPECT_EQ(qAlpha(image.pixel(10, 0)), 0);
}

TEST(MonitorLayout, EmptyAreaGivesANullImage) {
    FakeMonitors monitors(kSideBySide);
    EXPECT_TRUE(MonitorLayout::Compose(monitors.list, QRect(), std::ref(monitors)).isNull());
    EXPECT_TRUE(monitors.asked.empty());
}

} // namespace
