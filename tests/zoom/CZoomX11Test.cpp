// The magnifier on a private X server with QtScreen, also at QT_SCALE_FACTOR=2 (the ".Scale2"
// runs), where each cell must still be one physical pixel.
#include "platform/PictureBox.h"
#include "platform/QtScreen.h"
#include "support/ColouredWindow.h"
#include "support/QtPrinters.h"
#include "support/XServerTest.h"
#include "zoom/CZoom.h"

#include <QCursor>

namespace {

constexpr OLE_COLOR kMask = 0xFF00FF;
const QRgb kMaskPixel = qRgb(0xFF, 0x00, 0xFF);

class CZoomOnX : public XServerTest {
protected:
    void SetUp() override {
        XServerTest::SetUp();
        zoom.SetZoomFactor(6);
    }

    Platform::QtScreen screen;
    CZoom zoom{screen};
};

TEST_F(CZoomOnX, PicksThePixelUnderTheRealCursorAndDrawsItsNeighbours) {
    const auto red = ShowColouredWindow(QRect(100, 100, 60, 60), Qt::red, screen);
    const auto green = ShowColouredWindow(QRect(160, 100, 60, 60), Qt::green, screen);
    ASSERT_TRUE(red && green);
    QCursor::setPos(157, 130); // three device-independent pixels left of the green window
    const QPoint cursor = screen.CursorPos();
    const int greenLeft = screen.WindowRect(*green).left();
    ASSERT_LT(cursor.x(), greenLeft);

    PictureBox view;
    view.resize(100, 100);
    zoom.ZoomCanvas(view);

    EXPECT_EQ(zoom.LastCursorPosX(), cursor.x());
    EXPECT_EQ(zoom.LastCursorPosY(), cursor.y());
    EXPECT_EQ(zoom.LastCursorPosColor(), 0x0000FF);
    const QImage& image = view.Image();
    EXPECT_EQ(image.pixel(48, 48), qRgb(255, 0, 0));
    // The green window starts (greenLeft - cursor x) cells right of the cursor's cell.
    const int firstGreen = 48 + 6 * (greenLeft - cursor.x());
    ASSERT_LT(firstGreen, 96);
    EXPECT_EQ(image.pixel(firstGreen - 1, 48), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(firstGreen, 48), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(95, 95), qRgb(0, 255, 0));
}

TEST_F(CZoomOnX, MarginsShowWhereTheViewLeavesTheDesktop) {
    screen.SetCursorPos(QPoint(0, 0));
    QImage view(100, 100, QImage::Format_RGB32);
    view.fill(Qt::black);
    zoom.Zoom(view, 0, 0, 100, 100, kMask);
    EXPECT_EQ(zoom.ScaledLastCursorPosX(), 48);
    EXPECT_EQ(zoom.ScaledLastCursorPosY(), 48);
    EXPECT_EQ(view.pixel(47, 60), kMaskPixel);
    EXPECT_EQ(view.pixel(60, 47), kMaskPixel);
    EXPECT_NE(view.pixel(48, 48), kMaskPixel);
    EXPECT_NE(zoom.LastCursorPosColor(), -1);

    screen.SetCursorPos(QPoint(1023, 767)); // the last pixel: 7 columns and rows beyond
    zoom.Zoom(view, 0, 0, 100, 100, kMask);
    EXPECT_NE(view.pixel(53, 53), kMaskPixel);
    EXPECT_EQ(view.pixel(54, 30), kMaskPixel);
    EXPECT_EQ(view.pixel(30, 54), kMaskPixel);
}

TEST_F(CZoomOnX, MouseIsOverAWindowFromItsLeftEdgeToItsLastColumn) {
    const auto window = ShowColouredWindow(QRect(300, 200, 40, 30), Qt::blue, screen);
    ASSERT_TRUE(window);
    const QRect rect = screen.WindowRect(*window);
    screen.SetCursorPos(rect.topLeft());
    EXPECT_TRUE(zoom.IsMouseOverWindow(*window));
    screen.SetCursorPos(rect.bottomRight());
    EXPECT_TRUE(zoom.IsMouseOverWindow(*window));
    screen.SetCursorPos(rect.topRight() + QPoint(1, 0));
    EXPECT_FALSE(zoom.IsMouseOverWindow(*window));
    screen.SetCursorPos(rect.bottomLeft() + QPoint(0, 1));
    EXPECT_FALSE(zoom.IsMouseOverWindow(*window));
}

} // namespace
