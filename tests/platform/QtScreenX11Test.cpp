// QtScreen on a private X server, also with QT_SCALE_FACTOR=2 (the ".Scale2" runs), where one
// device-independent pixel is two by two physical ones.
#include "platform/QtScreen.h"
#include "support/ColouredWindow.h"
#include "support/QtPrinters.h"
#include "support/XServerTest.h"

#include <QCursor>
#include <QPainter>
#include <QScreen>

namespace {

// The test server's screen, in physical pixels.
constexpr QSize kServerScreen(1024, 768);

qreal Ratio() {
    return QGuiApplication::primaryScreen()->devicePixelRatio();
}

// A device-independent rectangle on the (only) monitor in physical pixels.
QRect Physical(const QRect& logical) {
    return QRect((QPointF(logical.topLeft()) * Ratio()).toPoint(),
                 (QSizeF(logical.size()) * Ratio()).toSize());
}

// A pattern that changes from every physical pixel to the next, across and down.
QRgb Stripe(int x, int y) {
    return (x + 2 * y) % 3 == 0   ? qRgb(0, 0, 0)
           : (x + 2 * y) % 3 == 1 ? qRgb(255, 255, 255)
                                  : qRgb(200, 30, 90);
}

// Paints the pattern in physical pixels, whatever the device pixel ratio.
class StripedWindow : public QWidget {
public:
    StripedWindow() : QWidget(nullptr, Qt::FramelessWindowHint) {}

protected:
    void paintEvent(QPaintEvent*) override {
        const qreal ratio = devicePixelRatioF();
        QImage stripes((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        for (int y = 0; y < stripes.height(); ++y) {
            for (int x = 0; x < stripes.width(); ++x) {
                stripes.setPixel(x, y, Stripe(x, y));
            }
        }
        stripes.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, stripes);
    }
};

class QtScreenOnX : public XServerTest {
protected:
    Platform::QtScreen screen;
};

TEST_F(QtScreenOnX, DesktopIsTheServerScreenInPhysicalPixels) {
    EXPECT_EQ(screen.Desktop(), QRectF(QPointF(0, 0), QSizeF(kServerScreen)));
}

TEST_F(QtScreenOnX, AServerThatLetsTheRootWindowBeReadIsReadable) {
    EXPECT_TRUE(screen.Readable()); // XWayland, which refuses, is tried on a real compositor
}

TEST_F(QtScreenOnX, MovesAndReadsTheCursorInPhysicalPixels) {
    for (const QPoint pixel : {QPoint(33, 21), QPoint(34, 22), QPoint(0, 0), QPoint(1023, 767)}) {
        screen.SetCursorPos(pixel);
        EXPECT_EQ(screen.CursorPos(), pixel);
    }
    screen.SetCursorPos(QPoint(5000, -20)); // the server keeps the cursor on the screen
    EXPECT_EQ(screen.CursorPos(), QPoint(1023, 0));
}

TEST_F(QtScreenOnX, CursorSetThroughQtIsReadInPhysicalPixels) {
    QCursor::setPos(40, 30);
    EXPECT_EQ(screen.CursorPos(), (QPointF(40, 30) * Ratio()).toPoint());
    screen.SetCursorPos(QPoint(80, 60));
    EXPECT_EQ(QCursor::pos(), (QPointF(80, 60) / Ratio()).toPoint());
}

TEST_F(QtScreenOnX, GrabsWindowsOfKnownColoursWhereTheyAre) {
    const auto red = ShowColouredWindow(QRect(10, 20, 50, 40), Qt::red, screen);
    const auto blue = ShowColouredWindow(QRect(60, 20, 30, 30), Qt::blue, screen);
    ASSERT_TRUE(red && blue);
    const QRect redRect = screen.WindowRect(*red);
    const QRect blueRect = screen.WindowRect(*blue);
    EXPECT_EQ(redRect, Physical(QRect(10, 20, 50, 40)));
    EXPECT_EQ(blueRect, Physical(QRect(60, 20, 30, 30)));

    const QRect area = (redRect | blueRect).adjusted(-3, -3, 3, 3);
    const QImage copy = screen.Grab(area);
    ASSERT_EQ(copy.size(), area.size());
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QPoint at = area.topLeft() + QPoint(x, y);
            const QRgb pixel = copy.pixel(x, y);
            ASSERT_EQ(qAlpha(pixel), 255) << x << ", " << y;
            if (redRect.contains(at)) {
                ASSERT_EQ(pixel, qRgb(255, 0, 0)) << at.x() << ", " << at.y();
            } else if (blueRect.contains(at)) {
                ASSERT_EQ(pixel, qRgb(0, 0, 255)) << at.x() << ", " << at.y();
            } else {
                ASSERT_NE(pixel, qRgb(255, 0, 0)) << at.x() << ", " << at.y();
            }
        }
    }
}

TEST_F(QtScreenOnX, CopiesOnePhysicalPixelPerPixelFromAnyPixel) {
    StripedWindow window;
    window.setGeometry(100, 100, 40, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect rect = screen.WindowRect(window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen.Grab(rect).pixel(1, 0) == Stripe(1, 0); }, 5000));

    // Also from an odd physical pixel, which lies inside a device-independent one at ratio 2.
    for (const QRect& area :
         {rect, rect.adjusted(1, 1, -2, -3), QRect(rect.topLeft() + QPoint(7, 5), QSize(1, 1))}) {
        const QImage copy = screen.Grab(area);
        ASSERT_EQ(copy.size(), area.size());
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                const QPoint inWindow = area.topLeft() - rect.topLeft() + QPoint(x, y);
                ASSERT_EQ(copy.pixel(x, y), Stripe(inWindow.x(), inWindow.y()))
                    << inWindow.x() << ", " << inWindow.y();
            }
        }
    }
}

TEST_F(QtScreenOnX, AreaBeyondTheDesktopIsTransparent) {
    const QImage copy = screen.Grab(QRect(-2, 766, 4, 4)); // over the bottom-left corner
    ASSERT_EQ(copy.size(), QSize(4, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool onScreen = x >= 2 && y < 2;
            EXPECT_EQ(qAlpha(copy.pixel(x, y)), onScreen ? 255 : 0) << x << ", " << y;
        }
    }
}

TEST_F(QtScreenOnX, WindowRectOfAChildWidgetIsWhereItIsOnTheScreen) {
    const auto window = ShowColouredWindow(QRect(200, 150, 80, 60), Qt::green, screen);
    ASSERT_TRUE(window);
    QWidget child(window.get());
    child.setGeometry(10, 5, 20, 15);
    child.show();
    EXPECT_EQ(screen.WindowRect(child), Physical(QRect(210, 155, 20, 15)));
}

} // namespace
