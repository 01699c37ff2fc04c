// The magnifier on a fake screen whose every pixel tells where it is.
#include "zoom/CZoom.h"

#include "common/ComponentError.h"
#include "fakes/FakeScreen.h"
#include "platform/PictureBox.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

// Red and green hold x, green and blue hold y; no pixel has the mask colour (its y is above 4000).
QImage NumberedPixels(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, 0xFF000000u | (static_cast<QRgb>(y) << 12) | static_cast<QRgb>(x));
        }
    }
    return image;
}

constexpr OLE_COLOR kMask = 0xFF00FF;
const QRgb kMaskPixel = qRgb(0xFF, 0x00, 0xFF);
const QRgb kUntouched = qRgb(0xFE, 0xDC, 0xBA);

QImage Destination(QSize size = QSize(200, 200)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kUntouched);
    return image;
}

// The pixel the screen shows at a desktop position: the mask colour where it has none.
QRgb ScreenPixel(const FakeScreen& screen, QPoint at) {
    const QPoint inImage = at - screen.origin;
    const QRgb pixel = screen.pixels.rect().contains(inImage) ? screen.pixels.pixel(inImage) : 0;
    return qAlpha(pixel) == 0 ? kMaskPixel : pixel;
}

OLE_COLOR OleOf(QRgb pixel) {
    return OleColor::Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

struct ZoomCase {
    const char* name = "";
    QSize pixels{1280, 1024}; // numbered pixels from `origin`, `gap` transparent
    QPoint origin{};
    QRect gap{};
    double desktopWidth = 0; // when not the pixels' width
    QPoint cursor{};
    int zoomFactor = 6;
    QRect dest{0, 0, 100, 100};
    bool fullPixelsOnly = true;
    bool centred = true;
    // What a 200 x 200 image must show: the view (whose top-left cell shows screen pixel
    // `source`), the margins in the mask colour, the cursor's cell; the rest untouched.
    QRect image{};
    QPoint source{};
    std::vector<QRect> margins{};
    QPoint cell{48, 48};
};

// The 100 x 100 view at factor 6 shows 16 x 16 whole screen pixels, its cursor cell at 48, 48.
// clang-format off
const ZoomCase kZoomCases[] = {
    {.name = "Centred", .cursor = {640, 512}, .image = {0, 0, 96, 96}, .source = {632, 504}},
    {.name = "WithPartialCells", .cursor = {640, 512}, .fullPixelsOnly = false, .image = {0, 0, 100, 100}, .source = {632, 504}},
    {.name = "TopLeftCorner", .cursor = {0, 0}, .image = {48, 48, 48, 48}, .source = {0, 0}, .margins = {{0, 0, 48, 96}, {0, 0, 96, 48}}},
    {.name = "LastColumn", .cursor = {1279, 512}, .image = {0, 0, 54, 96}, .source = {1271, 504}, .margins = {{54, 0, 42, 96}}},
    {.name = "BottomRightCorner", .cursor = {1279, 1023}, .image = {0, 0, 54, 54}, .source = {1271, 1015},
     .margins = {{54, 0, 42, 96}, {0, 54, 96, 42}}},
    {.name = "CornerCursorAtLastColumn", .cursor = {1279, 200}, .centred = false, .image = {0, 0, 6, 96}, .source = {1279, 200},
     .margins = {{6, 0, 90, 96}}, .cell = {0, 0}},
    // 6.5 pixels beyond the edge count as 6, and 5.5 as 6.
    {.name = "EdgeHalfRoundsDown", .pixels = {1281, 1024}, .desktopWidth = 1280.5, .cursor = {1279, 512},
     .image = {0, 0, 60, 96}, .source = {1271, 504}, .margins = {{60, 0, 36, 96}}},
    {.name = "EdgeHalfRoundsUp", .pixels = {1281, 1024}, .desktopWidth = 1279.5, .cursor = {1277, 512},
     .image = {0, 0, 60, 96}, .source = {1269, 504}, .margins = {{60, 0, 36, 96}}},
    {.name = "DestinationOffsetAtTopLeft", .cursor = {0, 0}, .dest = {10, 20, 100, 100}, .image = {58, 68, 48, 48},
     .source = {0, 0}, .margins = {{10, 20, 48, 96}, {10, 20, 96, 48}}, .cell = {58, 68}},
    {.name = "SourceWiderThanTheDesktop", .pixels = {10, 10}, .cursor = {5, 5}, .image = {18, 18, 60, 60}, .source = {0, 0},
     .margins = {{0, 0, 18, 96}, {0, 0, 96, 18}, {78, 0, 18, 96}, {0, 78, 96, 18}}},
    {.name = "ZoomFactorOne", .cursor = {640, 512}, .zoomFactor = 1, .image = {0, 0, 100, 100}, .source = {590, 462}, .cell = {50, 50}},
    {.name = "MonitorLeftOfThePrimary", .pixels = {2560, 1024}, .origin = {-1280, 0}, .cursor = {-1280, 0},
     .image = {48, 48, 48, 48}, .source = {-1280, 0}, .margins = {{0, 0, 48, 96}, {0, 0, 96, 48}}},
    {.name = "GapBesideASmallerMonitor", .pixels = {1920, 1024}, .gap = {1280, 600, 640, 424}, .cursor = {1300, 598},
     .image = {0, 0, 96, 96}, .source = {1292, 590}},
};
// clang-format on

TEST(CZoom, DrawsEachScreenPixelAsOneCellAndTheRestAsMargin) {
    for (const ZoomCase& c : kZoomCases) {
        QImage pixels = NumberedPixels(c.pixels);
        for (int y = c.gap.top(); y <= c.gap.bottom(); ++y) {
            for (int x = c.gap.left(); x <= c.gap.right(); ++x) {
                pixels.setPixel(x, y, 0);
            }
        }
        FakeScreen screen(pixels, c.origin);
        if (c.desktopWidth != 0) {
            screen.desktop.setWidth(c.desktopWidth);
        }
        screen.cursor = c.cursor;
        CZoom zoom(screen);
        zoom.SetZoomFactor(c.zoomFactor);
        zoom.SetShowFullPixelsOnly(c.fullPixelsOnly);
        zoom.SetMouseCentered(c.centred);
        QImage dest = Destination();
        zoom.Zoom(dest, c.dest.x(), c.dest.y(), c.dest.width(), c.dest.height(), kMask);

        EXPECT_EQ(QPoint(zoom.LastCursorPosX(), zoom.LastCursorPosY()), c.cursor) << c.name;
        EXPECT_EQ(zoom.LastCursorPosColor(), OleOf(ScreenPixel(screen, c.cursor))) << c.name;
        EXPECT_EQ(QPoint(zoom.ScaledLastCursorPosX(), zoom.ScaledLastCursorPosY()), c.cell) << c.name;
        int wrong = 0;
        for (int y = 0; y < dest.height(); ++y) {
            for (int x = 0; x < dest.width(); ++x) {
                const QPoint at(x, y);
                QRgb expected = kUntouched;
                if (c.image.contains(at)) {
                    const QPoint cell = at - c.image.topLeft();
                    expected = ScreenPixel(
                        screen, c.source + QPoint(cell.x() / c.zoomFactor, cell.y() / c.zoomFactor));
                } else if (std::any_of(c.margins.begin(), c.margins.end(),
                                       [&](QRect m) { return m.contains(at); })) {
                    expected = kMaskPixel;
                }
                wrong += dest.pixel(at) != expected;
            }
        }
        EXPECT_EQ(wrong, 0) << c.name << ": pixels drawn wrong";
    }
}

TEST(CZoom, HasTheDefaultsAndRejectsFactorsOutside1To32) {
    FakeScreen screen;
    CZoom zoom(screen);
    EXPECT_EQ(CZoom::MaxZoomFactor(), 32);
    EXPECT_EQ(zoom.ZoomFactor(), 4);
    EXPECT_TRUE(zoom.ShowFullPixelsOnly() && zoom.MouseCentered());
    for (int factor : {0, 33, -1, INT_MIN}) {
        try {
            zoom.SetZoomFactor(factor);
            ADD_FAILURE() << "no error for " << factor;
        } catch (const ComponentError& error) {
            EXPECT_EQ(error.Number(), 5);
            EXPECT_EQ(error.Source(), "CZoom.ZoomFactor");
            EXPECT_EQ(error.Description(), "Invalid parameter");
        }
    }
    zoom.SetZoomFactor(32);
    EXPECT_EQ(zoom.ZoomFactor(), 32);
}

class CZoomTest : public testing::Test {
protected:
    CZoomTest() {
        screen.cursor = QPoint(640, 512);
        zoom.SetZoomFactor(6);
    }
    FakeScreen screen{NumberedPixels({1280, 1024})};
    CZoom zoom{screen};
    QImage dest = Destination();
};

TEST_F(CZoomTest, ReadsTheScreenOnceAndTheCursorPixelEvenWithoutAView) {
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(screen.grabs, 1);
    EXPECT_EQ(screen.lastGrab, QRect(632, 504, 16, 16));
    for (QSize tiny : {QSize(5, 100), QSize(100, 5), QSize(-100, -100)}) {
        dest = Destination();
        screen.cursor = QPoint(300, 400);
        zoom.Zoom(dest, 10, 10, tiny.width(), tiny.height(), kMask);
        EXPECT_EQ(dest, Destination());
        EXPECT_EQ(zoom.LastCursorPosColor(), OleOf(ScreenPixel(screen, {300, 400})));
        EXPECT_EQ(zoom.ScaledLastCursorPosX(), 48); // from the last drawn view
    }
    QImage small = Destination(QSize(40, 40));
    zoom.Zoom(small, -60, 0, 100, 100, kMask); // the cursor's cell at -12, 48
    EXPECT_EQ(zoom.LastCursorPosColor(), OleOf(ScreenPixel(screen, {300, 400})));
    EXPECT_EQ(small.pixel(0, 0), ScreenPixel(screen, {302, 392}));
}

TEST_F(CZoomTest, RefusesANestedZoomAndSurvivesAFailingScreen) {
    QImage inner = Destination();
    screen.onGrab = [&] {
        screen.onGrab = nullptr;
        screen.cursor = QPoint(10, 10); // moved while the outer call draws
        zoom.Zoom(inner, 0, 0, 100, 100, kMask);
    };
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(screen.grabs, 1); // the nested call read nothing
    EXPECT_EQ(inner, Destination());
    EXPECT_EQ(zoom.LastCursorPosX(), 640);
    screen.onGrab = [] { throw std::runtime_error("screen gone"); };
    EXPECT_NO_THROW(zoom.Zoom(dest, 0, 0, 100, 100, kMask));
    screen.onGrab = nullptr;
    zoom.Zoom(inner, 0, 0, 100, 100, kMask); // the busy flag is clear again
    EXPECT_EQ(inner.pixel(48, 48), ScreenPixel(screen, {10, 10}));
    screen.readable = false;
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(zoom.LastCursorPosColor(), -1);
    EXPECT_EQ(dest.pixel(95, 95), kMaskPixel);
    EXPECT_EQ(dest.pixel(97, 97), kUntouched);
}

TEST_F(CZoomTest, MarksTheCursorCellAndFillsACanvasWithItsBackColour) {
    zoom.Zoom(dest, 0, 0, 100, 100, OleColor::SystemColor(5)); // the translated mask
    const QImage drawn = dest;
    QImage mark = dest.copy(0, 0, 50, 50); // the cell at 48, 48 reaches past its edge
    zoom.MarkLastCursorPos(mark, 0x00FF00);
    EXPECT_EQ(mark.pixel(49, 49), qRgb(0, 0xFF, 0));
    EXPECT_EQ(mark.pixel(47, 47), drawn.pixel(47, 47));
    PictureBox canvas;
    canvas.resize(150, 83); // the picking view at 15 twips per pixel
    canvas.SetBackColor(0x00FFFF);
    screen.cursor = QPoint(0, 512);
    zoom.ZoomCanvas(canvas);
    zoom.MarkLastCursorPos(canvas, 0xFF0000);
    // 25 x 13 cells, the cursor's in column 12 and row 6; the left 12 columns beyond the screen.
    EXPECT_EQ(QPoint(zoom.ScaledLastCursorPosX(), zoom.ScaledLastCursorPosY()), QPoint(72, 36));
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.pixel(71, 40), qRgb(0xFF, 0xFF, 0));
    EXPECT_EQ(image.pixel(77, 41), qRgb(0, 0, 0xFF));
    EXPECT_EQ(image.pixel(149, 77), ScreenPixel(screen, {12, 518}));
    EXPECT_EQ(image.pixel(149, 78), qRgb(0xFF, 0xFF, 0)); // the strip below the whole cells
}

TEST(CZoom, MouseIsOverAWindowFromItsLeftAndTopEdgesToItsLastColumnAndRow) {
    FakeScreen screen;
    QWidget window;
    screen.windows[&window] = QRect(100, 200, 50, 40);
    CZoom zoom(screen);
    const std::pair<QPoint, bool> table[] = {{{100, 200}, true},  {{149, 239}, true}, {{150, 220}, false},
                                             {{120, 240}, false}, {{99, 220}, false}, {{120, 199}, false}};
    for (const auto& [cursor, over] : table) {
        screen.cursor = cursor;
        EXPECT_EQ(zoom.IsMouseOverWindow(window), over) << cursor.x() << ", " << cursor.y();
    }
}

} // namespace
