// The magnifier on a fake screen whose every pixel tells where it is.
#include "zoom/CZoom.h"

#include "common/ComponentError.h"
#include "fakes/FakeScreen.h"
#include "platform/PictureBox.h"
#include "support/ImageOf.h"

#include <QtWidgets>
#include <gtest/gtest.h>

namespace {

// Red and green hold x, green and blue hold y; no pixel has the mask colour (its y is above 4000).
// The pixels in Gap are transparent.
QImage NumberedPixels(QSize size, QRect gap = {}) {
    return ImageOf(size, [gap](QPoint at) {
        return gap.contains(at) ? 0 : 0xFF000000u | (QRgb(at.y()) << 12) | QRgb(at.x());
    });
}

constexpr OLE_COLOR kMask = 0xFF00FF;
const QRgb kMaskPixel = qRgb(0xFF, 0x00, 0xFF);
const QRgb kUntouched = qRgb(0xFE, 0xDC, 0xBA);

QImage Destination(QImage::Format Format = QImage::Format_RGB32) {
    QImage image(200, 200, Format);
    image.fill(kUntouched);
    return image;
}

// The pixel the screen shows at a desktop position: the mask colour where it has none.
QRgb ScreenPixel(const FakeScreen& screen, QPoint at) {
    const QRgb pixel = screen.pixels.rect().contains(at) ? screen.pixels.pixel(at) : 0;
    return qAlpha(pixel) == 0 ? kMaskPixel : pixel;
}

struct ZoomCase {
    const char* name = "";
    // Numbered pixels, `gap` transparent, the desktop `desktopWidth` wide when not 0.
    QSize pixels{1280, 1024};
    QRect gap{};
    double desktopWidth = 0;
    QPoint cursor{};
    int zoomFactor = 6;
    bool fullPixelsOnly = true, centred = true;
    QPoint at{10, 20};
    QSize view{100, 100};
    // What a 200 x 200 image must show for the view at `at`: the image (whose top-left cell shows
    // screen pixel `source`), the margins in the mask colour, the cursor's cell; the rest untouched.
    QRect image{};
    QPoint source{};
    std::vector<QRect> margins{};
    QPoint cell{58, 68};
    QImage::Format format = QImage::Format_RGB32; // of the 200 x 200 image
};

// The view at factor 6 shows 16 x 16 whole screen pixels, its cursor cell at 48, 48 of the view.
// clang-format off
const ZoomCase kZoomCases[] = {
    {.name = "Centred", .cursor = {640, 512}, .image = {10, 20, 96, 96}, .source = {632, 504}},
    {.name = "WithPartialCells", .cursor = {640, 512}, .fullPixelsOnly = false, .image = {10, 20, 100, 100}, .source = {632, 504}},
    {.name = "TopLeftCorner", .cursor = {0, 0}, .image = {58, 68, 48, 48}, .source = {0, 0}, .margins = {{10, 20, 48, 96}, {10, 20, 96, 48}}},
    {.name = "BottomRightCornerOn24Bits", .cursor = {1279, 1023}, .image = {10, 20, 54, 54}, .source = {1271, 1015},
     .margins = {{64, 20, 42, 96}, {10, 74, 96, 42}}, .format = QImage::Format_RGB888},
    {.name = "CornerCursorAtLastColumn", .cursor = {1279, 200}, .centred = false, .image = {10, 20, 6, 96},
     .source = {1279, 200}, .margins = {{16, 20, 90, 96}}, .cell = {10, 20}},
    // 6.5 pixels beyond the edge count as 6, and 5.5 as 6.
    {.name = "EdgeHalfRoundsDown", .pixels = {1281, 1024}, .desktopWidth = 1280.5, .cursor = {1279, 512},
     .image = {10, 20, 60, 96}, .source = {1271, 504}, .margins = {{70, 20, 36, 96}}},
    {.name = "EdgeHalfRoundsUp", .pixels = {1281, 1024}, .desktopWidth = 1279.5, .cursor = {1277, 512},
     .image = {10, 20, 60, 96}, .source = {1269, 504}, .margins = {{70, 20, 36, 96}}},
    {.name = "SourceWiderThanTheDesktop", .pixels = {10, 10}, .cursor = {5, 5}, .image = {28, 38, 60, 60}, .source = {0, 0},
     .margins = {{10, 20, 18, 96}, {10, 20, 96, 18}, {88, 20, 18, 96}, {10, 98, 96, 18}}},
    {.name = "ZoomFactorOne", .cursor = {640, 512}, .zoomFactor = 1, .image = {10, 20, 100, 100}, .source = {590, 462}, .cell = {60, 70}},
    {.name = "ZoomFactor32", .cursor = {640, 512}, .zoomFactor = 32, .image = {10, 20, 96, 96}, .source = {639, 511}, .cell = {42, 52}},
    // Less than one cell: nothing drawn, but the cursor's pixel read.
    {.name = "NarrowerThanACell", .cursor = {300, 400}, .view = {5, 100}, .cell = {0, 0}},
    {.name = "LowerThanACell", .cursor = {300, 400}, .view = {100, 5}, .cell = {0, 0}},
    {.name = "CursorCellOutsideTheImage", .cursor = {300, 400}, .at = {-60, 0}, .image = {-60, 0, 96, 96}, .source = {292, 392},
     .cell = {-12, 48}},
    {.name = "GapBesideASmallerMonitor", .pixels = {1920, 1024}, .gap = {1280, 600, 640, 424}, .cursor = {1300, 598},
     .image = {10, 20, 96, 96}, .source = {1292, 590}},
};
// clang-format on

TEST(CZoom, DrawsEachScreenPixelAsOneCellAndTheRestAsMargin) {
    for (const ZoomCase& c : kZoomCases) {
        FakeScreen screen(NumberedPixels(c.pixels, c.gap));
        screen.desktop.setWidth(c.desktopWidth ? c.desktopWidth : c.pixels.width());
        screen.cursor = c.cursor;
        CZoom zoom(screen);
        zoom.SetZoomFactor(c.zoomFactor);
        zoom.SetShowFullPixelsOnly(c.fullPixelsOnly);
        zoom.SetMouseCentered(c.centred);
        QImage dest = Destination(c.format);
        zoom.Zoom(dest, c.at.x(), c.at.y(), c.view.width(), c.view.height(), kMask);
        const QRgb under = ScreenPixel(screen, c.cursor);
        EXPECT_EQ(std::tuple(zoom.LastCursorPosX(), zoom.LastCursorPosY(), zoom.LastCursorPosColor(),
                             zoom.ScaledLastCursorPosX(), zoom.ScaledLastCursorPosY()),
                  std::tuple(c.cursor.x(), c.cursor.y(),
                             OleColor::Rgb(qRed(under), qGreen(under), qBlue(under)), c.cell.x(), c.cell.y()))
            << c.name;
        const QImage expected = ImageOf(dest.size(), [&](QPoint at) {
            const QPoint cell = at - c.image.topLeft();
            const bool margin =
                std::any_of(c.margins.begin(), c.margins.end(), [&](QRect m) { return m.contains(at); });
            return c.image.contains(at) ? ScreenPixel(screen, c.source + QPoint(cell.x() / c.zoomFactor,
                                                                                cell.y() / c.zoomFactor))
                   : margin             ? kMaskPixel
                                        : kUntouched;
        });
        EXPECT_TRUE(dest.convertToFormat(QImage::Format_ARGB32) == expected)
            << c.name << ": pixels drawn wrong";
    }
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

TEST_F(CZoomTest, RejectsFactorsOutside1To32AndReadsOnlyTheCellsItShows) {
    for (int factor : {0, 33}) {
        try {
            zoom.SetZoomFactor(factor);
            ADD_FAILURE() << "no error for " << factor;
        } catch (const ComponentError& e) {
            EXPECT_EQ(std::tuple(e.Number(), e.Source(), e.Description()),
                      std::tuple(5, "CZoom.ZoomFactor", "Invalid parameter"));
        }
    }
    EXPECT_EQ(std::tuple(zoom.ZoomFactor(), CZoom::MaxZoomFactor(), CZoom(screen).ZoomFactor()),
              std::tuple(6, 32, 4));
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(std::tuple(screen.grabs, screen.lastGrab), std::tuple(1, QRect(632, 504, 16, 16)));
}

TEST_F(CZoomTest, RefusesANestedZoomAndSurvivesAFailingScreen) {
    QImage inner = Destination();
    screen.onGrab = [&] {
        screen.onGrab = nullptr;
        screen.cursor = QPoint(10, 10); // moved while the outer call draws
        zoom.Zoom(inner, 0, 0, 100, 100, kMask);
    };
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(std::tuple(screen.grabs, inner, zoom.LastCursorPosX()), std::tuple(1, Destination(), 640));
    screen.onGrab = [] { throw std::runtime_error("screen gone"); };
    EXPECT_NO_THROW(zoom.Zoom(dest, 0, 0, 100, 100, kMask));
    screen.onGrab = nullptr;
    zoom.Zoom(inner, 0, 0, 100, 100, kMask); // the busy flag is clear again
    EXPECT_EQ(inner.pixel(48, 48), ScreenPixel(screen, {10, 10}));
}

TEST_F(CZoomTest, MarksTheCursorCellAndFillsACanvasWithItsBackColour) {
    PictureBox canvas;
    canvas.resize(150, 83); // the picking view at 15 twips per pixel
    canvas.SetBackColor(0x00FFFF);
    screen.cursor = QPoint(0, 512);
    zoom.ZoomCanvas(canvas);
    zoom.MarkLastCursorPos(canvas, 0xFF0000);
    QImage mark = Destination().copy(0, 0, 75, 40); // the cursor's cell at 72, 36 reaches past its edge
    zoom.MarkLastCursorPos(mark, 0x00FF00);
    // 25 x 13 cells, the cursor's in column 12 and row 6; the left 12 columns beyond the screen, and
    // a strip below the whole cells.
    const QImage& image = canvas.Image();
    EXPECT_EQ(std::tuple(zoom.ScaledLastCursorPosX(), zoom.ScaledLastCursorPosY(), image.pixel(71, 40),
                         image.pixel(77, 41), image.pixel(149, 77), image.pixel(149, 78), mark.pixel(74, 39)),
              std::tuple(72, 36, qRgb(0xFF, 0xFF, 0), qRgb(0, 0, 0xFF), ScreenPixel(screen, {12, 518}),
                         qRgb(0xFF, 0xFF, 0), qRgb(0, 0xFF, 0)));
}

TEST_F(CZoomTest, MouseIsOverAWindowFromItsLeftAndTopEdgesToItsLastColumnAndRow) {
    QWidget window;
    screen.windows[&window] = QRect(100, 200, 50, 40);
    const auto over = [&](QPoint cursor) { return screen.cursor = cursor, zoom.IsMouseOverWindow(window); };
    EXPECT_EQ(std::tuple(over({100, 200}), over({149, 239}), over({150, 220}), over({120, 240})),
              std::tuple(true, true, false, false));
}

} // namespace
