#include "zoom/CZoom.h"

#include "common/ComponentError.h"
#include "fakes/FakeScreen.h"
#include "platform/PictureBox.h"
#include "platform/QtColor.h"
#include "support/ByName.h"
#include "support/QtPrinters.h"

#include <QWidget>
#include <climits>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace {

// A desktop whose every pixel tells where it is: red and green hold x, green and blue hold y.
QImage NumberedPixels(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, 0xFF000000u | (static_cast<QRgb>(y) << 12) | static_cast<QRgb>(x));
        }
    }
    return image;
}

OLE_COLOR OleOf(QRgb pixel) {
    return OleColor::Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Colours no numbered pixel has (their y would be above 4000).
constexpr OLE_COLOR kMask = 0xFF00FF;
const QRgb kMaskPixel = qRgb(0xFF, 0x00, 0xFF);
const QRgb kUntouched = qRgb(0xFE, 0xDC, 0xBA);

QImage Filled(QSize size, QRgb pixel) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(pixel);
    return image;
}

QImage Destination(QSize size = QSize(200, 200)) {
    return Filled(size, kUntouched);
}

// The pixel a screen shows at a desktop position: the mask colour where it has none.
QRgb ScreenPixel(const FakeScreen& screen, QPoint at) {
    const QPoint inImage = at - screen.origin;
    if (!screen.pixels.rect().contains(inImage)) {
        return kMaskPixel;
    }
    const QRgb pixel = screen.pixels.pixel(inImage);
    return qAlpha(pixel) == 0 ? kMaskPixel : pixel;
}

struct ZoomCase {
    const char* name = "";
    // The screen: numbered pixels of this size from Origin, Gap left transparent, and a
    // desktop width that differs from the pixels' when not 0.
    QSize pixels{1280, 1024};
    QPoint origin{};
    QRect gap{};
    double desktopWidth = 0;
    // The call.
    QPoint cursor{};
    int zoomFactor = 6;
    QRect dest{0, 0, 100, 100};
    bool fullPixelsOnly = true;
    bool centred = true;
    // What it must draw into a 200 x 200 image: the visible part of the magnified source
    // (whose top-left cell, at Image's top-left corner, shows screen pixel Source), the
    // margins, and the cursor's cell. Everything else stays untouched.
    QRect image{};
    QPoint source{};
    std::vector<QRect> margins{};
    QPoint cell{48, 48};
};

// The 100 x 100 view at factor 6 shows 16 x 16 whole screen pixels, its cursor cell at 48, 48.
// clang-format off
const ZoomCase kZoomCases[] = {
    {.name = "Centred", .cursor = {640, 512}, .image = {0, 0, 96, 96}, .source = {632, 504}},
    {.name = "CentredWithPartialCells", .cursor = {640, 512}, .fullPixelsOnly = false,
     .image = {0, 0, 100, 100}, .source = {632, 504}},
    {.name = "TopLeftCorner", .cursor = {0, 0},
     .image = {48, 48, 48, 48}, .source = {0, 0}, .margins = {{0, 0, 48, 96}, {0, 0, 96, 48}}},
    {.name = "TopLeftCornerWithPartialCells", .cursor = {0, 0}, .fullPixelsOnly = false,
     .image = {48, 48, 52, 52}, .source = {0, 0}, .margins = {{0, 0, 48, 100}, {0, 0, 100, 48}}},
    {.name = "LastColumn", .cursor = {1279, 512},
     .image = {0, 0, 54, 96}, .source = {1271, 504}, .margins = {{54, 0, 42, 96}}},
    {.name = "OnePixelBeyondTheRightEdge", .cursor = {1273, 512},
     .image = {0, 0, 90, 96}, .source = {1265, 504}, .margins = {{90, 0, 6, 96}}},
    {.name = "BottomRightCorner", .cursor = {1279, 1023},
     .image = {0, 0, 54, 54}, .source = {1271, 1015}, .margins = {{54, 0, 42, 96}, {0, 54, 96, 42}}},
    {.name = "CornerCursor", .cursor = {100, 200}, .centred = false,
     .image = {0, 0, 96, 96}, .source = {100, 200}, .cell = {0, 0}},
    {.name = "CornerCursorAtLastColumn", .cursor = {1279, 200}, .centred = false,
     .image = {0, 0, 6, 96}, .source = {1279, 200}, .margins = {{6, 0, 90, 96}}, .cell = {0, 0}},
    // 1287 - 1280.5 = 6.5 pixels beyond the edge count as 6, and 1285 - 1279.5 = 5.5 as 6.
    {.name = "DesktopEdgeHalfRoundsDownToEven", .pixels = {1281, 1024}, .desktopWidth = 1280.5, .cursor = {1279, 512},
     .image = {0, 0, 60, 96}, .source = {1271, 504}, .margins = {{60, 0, 36, 96}}},
    {.name = "DesktopEdgeHalfRoundsUpToEven", .pixels = {1281, 1024}, .desktopWidth = 1279.5, .cursor = {1277, 512},
     .image = {0, 0, 60, 96}, .source = {1269, 504}, .margins = {{60, 0, 36, 96}}},
    {.name = "DestinationOffset", .cursor = {640, 512}, .dest = {10, 20, 100, 100},
     .image = {10, 20, 96, 96}, .source = {632, 504}, .cell = {58, 68}},
    {.name = "DestinationOffsetAtTopLeftCorner", .cursor = {0, 0}, .dest = {10, 20, 100, 100},
     .image = {58, 68, 48, 48}, .source = {0, 0},
     .margins = {{10, 20, 48, 96}, {10, 20, 96, 48}}, .cell = {58, 68}},
    {.name = "PartialCellsStayInTheDestination", .cursor = {640, 512}, .dest = {10, 20, 100, 100}, .fullPixelsOnly = false,
     .image = {10, 20, 100, 100}, .source = {632, 504}, .cell = {58, 68}},
    {.name = "SourceWiderThanTheDesktop", .pixels = {10, 10}, .cursor = {5, 5},
     .image = {18, 18, 60, 60}, .source = {0, 0},
     .margins = {{0, 0, 18, 96}, {0, 0, 96, 18}, {78, 0, 18, 96}, {0, 78, 96, 18}}},
    {.name = "ZoomFactorOne", .cursor = {640, 512}, .zoomFactor = 1,
     .image = {0, 0, 100, 100}, .source = {590, 462}, .cell = {50, 50}},
    {.name = "ZoomFactor32", .cursor = {640, 512}, .zoomFactor = 32,
     .image = {0, 0, 96, 96}, .source = {639, 511}, .cell = {32, 32}},
    {.name = "MonitorLeftOfThePrimary", .pixels = {2560, 1024}, .origin = {-1280, 0}, .cursor = {-1280, 0},
     .image = {48, 48, 48, 48}, .source = {-1280, 0}, .margins = {{0, 0, 48, 96}, {0, 0, 96, 48}}},
    {.name = "GapBesideASmallerMonitor", .pixels = {1920, 1024}, .gap = {1280, 600, 640, 424}, .cursor = {1300, 598},
     .image = {0, 0, 96, 96}, .source = {1292, 590}},
};
// clang-format on

class ZoomGeometry : public testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomGeometry, DrawsEachScreenPixelAsOneCellAndTheRestAsMargin) {
    const ZoomCase& c = GetParam();
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

    EXPECT_EQ(zoom.LastCursorPosX(), c.cursor.x());
    EXPECT_EQ(zoom.LastCursorPosY(), c.cursor.y());
    EXPECT_EQ(zoom.LastCursorPosColor(), OleOf(ScreenPixel(screen, c.cursor)));
    EXPECT_EQ(QPoint(zoom.ScaledLastCursorPosX(), zoom.ScaledLastCursorPosY()), c.cell);
    int wrong = 0;
    for (int y = 0; y < dest.height(); ++y) {
        for (int x = 0; x < dest.width(); ++x) {
            const QPoint at(x, y);
            QRgb expected = kUntouched;
            if (c.image.contains(at)) {
                expected = ScreenPixel(screen, c.source + QPoint((x - c.image.left()) / c.zoomFactor,
                                                                 (y - c.image.top()) / c.zoomFactor));
            } else {
                for (const QRect& margin : c.margins) {
                    if (margin.contains(at)) {
                        expected = kMaskPixel;
                    }
                }
            }
            if (dest.pixel(at) != expected && ++wrong <= 5) {
                ADD_FAILURE() << "pixel " << x << ", " << y << " is " << std::hex << dest.pixel(at)
                              << ", expected " << expected;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(CZoom, ZoomGeometry, testing::ValuesIn(kZoomCases), ByName());

// A 1280 x 1024 numbered screen with the cursor in its middle.
class CZoomTest : public testing::Test {
protected:
    CZoomTest() { screen.cursor = QPoint(640, 512); }

    FakeScreen screen{NumberedPixels({1280, 1024})};
    CZoom zoom{screen};
};

TEST_F(CZoomTest, NewObjectHasTheDefaults) {
    EXPECT_EQ(CZoom::MaxZoomFactor(), 32);
    EXPECT_EQ(zoom.ZoomFactor(), 4);
    EXPECT_TRUE(zoom.ShowFullPixelsOnly());
    EXPECT_TRUE(zoom.MouseCentered());
    EXPECT_EQ(zoom.LastCursorPosColor(), 0);
}

struct FactorCase {
    const char* name;
    std::int32_t value;
};

class RejectedZoomFactor : public testing::TestWithParam<FactorCase> {};

TEST_P(RejectedZoomFactor, RaisesInvalidParameterAndKeepsTheFactor) {
    FakeScreen screen;
    CZoom zoom(screen);
    zoom.SetZoomFactor(7);
    try {
        zoom.SetZoomFactor(GetParam().value);
        FAIL() << "no error for " << GetParam().value;
    } catch (const ComponentError& error) {
        EXPECT_EQ(error.Number(), 5);
        EXPECT_EQ(error.Source(), "CZoom.ZoomFactor");
        EXPECT_EQ(error.Description(), "Invalid parameter");
    }
    EXPECT_EQ(zoom.ZoomFactor(), 7);
}

INSTANTIATE_TEST_SUITE_P(CZoom, RejectedZoomFactor,
                         testing::Values(FactorCase{"Zero", 0}, FactorCase{"OneAboveTheMaximum", 33},
                                         FactorCase{"Negative", -1}, FactorCase{"Int32Min", INT_MIN},
                                         FactorCase{"Int32Max", INT_MAX}),
                         ByName());

struct TinyDestination {
    const char* name;
    int width;
    int height;
};

class DestinationSmallerThanOneCell : public testing::TestWithParam<TinyDestination> {};

TEST_P(DestinationSmallerThanOneCell, DrawsNothingButReadsTheCursorAndItsColour) {
    FakeScreen screen(NumberedPixels({1280, 1024}));
    CZoom zoom(screen);
    zoom.SetZoomFactor(6);
    QImage dest = Destination();
    screen.cursor = QPoint(0, 0);
    zoom.Zoom(dest, 0, 0, 100, 100, kMask); // leaves its cell at 48, 48
    dest = Destination();

    screen.cursor = QPoint(300, 400);
    zoom.Zoom(dest, 10, 10, GetParam().width, GetParam().height, kMask);

    EXPECT_EQ(dest, Destination());
    EXPECT_EQ(zoom.LastCursorPosX(), 300);
    EXPECT_EQ(zoom.LastCursorPosY(), 400);
    EXPECT_EQ(zoom.LastCursorPosColor(), OleOf(ScreenPixel(screen, {300, 400})));
    EXPECT_EQ(zoom.ScaledLastCursorPosX(), 48);
    EXPECT_EQ(zoom.ScaledLastCursorPosY(), 48);
}

INSTANTIATE_TEST_SUITE_P(CZoom, DestinationSmallerThanOneCell,
                         testing::Values(TinyDestination{"NarrowerThanOneCell", 5, 100},
                                         TinyDestination{"LowerThanOneCell", 100, 5},
                                         TinyDestination{"Empty", 0, 0},
                                         TinyDestination{"NegativeWidth", -12, 100},
                                         TinyDestination{"NegativeSize", -100, -100}),
                         ByName());

TEST_F(CZoomTest, ReadsTheScreenOnceForTheViewAndTheCursorPixel) {
    zoom.SetZoomFactor(6);
    QImage dest = Destination();
    screen.grabs = 0;
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(screen.grabs, 1);
    EXPECT_EQ(screen.lastGrab, QRect(632, 504, 16, 16));
}

TEST_F(CZoomTest, ReadsTheCursorPixelAlsoWhenItsCellLiesOutsideTheImage) {
    zoom.SetZoomFactor(6);
    QImage dest = Destination(QSize(40, 40));
    screen.grabs = 0;
    zoom.Zoom(dest, -60, 0, 100, 100, kMask); // the cursor's cell at -12, 48
    EXPECT_EQ(zoom.ScaledLastCursorPosX(), -12);
    EXPECT_EQ(zoom.LastCursorPosColor(), OleOf(ScreenPixel(screen, {640, 512})));
    EXPECT_EQ(dest.pixel(0, 0), ScreenPixel(screen, {642, 504})); // column 10 of the view
    EXPECT_EQ(screen.grabs, 2);
}

TEST_F(CZoomTest, NestedZoomIsRefusedWithoutDrawingOrChangingAnything) {
    zoom.SetZoomFactor(6);
    QImage inner = Destination();
    int nested = 0;
    screen.onGrab = [&] {
        if (nested++ == 0) {
            screen.cursor = QPoint(10, 10); // moved while the outer call draws
            zoom.Zoom(inner, 0, 0, 100, 100, kMask);
        }
    };
    QImage outer = Destination();

    zoom.Zoom(outer, 0, 0, 100, 100, kMask);

    EXPECT_EQ(nested, 1); // the nested call did not read the screen
    EXPECT_EQ(inner, Destination());
    EXPECT_EQ(zoom.LastCursorPosX(), 640);
    EXPECT_EQ(zoom.LastCursorPosY(), 512);
    EXPECT_EQ(outer.pixel(48, 48), ScreenPixel(screen, {640, 512}));

    zoom.Zoom(inner, 0, 0, 100, 100, kMask); // the busy flag is clear again
    EXPECT_EQ(zoom.LastCursorPosX(), 10);
    EXPECT_EQ(inner.pixel(48, 48), ScreenPixel(screen, {10, 10}));
}

TEST_F(CZoomTest, FailureInsideZoomIsSwallowedAndClearsTheBusyFlag) {
    screen.onGrab = [] { throw std::runtime_error("screen gone"); };
    QImage dest = Destination();
    EXPECT_NO_THROW(zoom.Zoom(dest, 0, 0, 100, 100, kMask));
    EXPECT_EQ(zoom.LastCursorPosX(), 640); // what happened before the failure stays

    screen.onGrab = nullptr;
    screen.cursor = QPoint(700, 300);
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(zoom.LastCursorPosColor(), OleOf(ScreenPixel(screen, {700, 300})));
}

TEST_F(CZoomTest, UnreadableScreenGivesNoColourAndAViewInTheMaskColour) {
    screen.readable = false;
    zoom.SetZoomFactor(6);
    QImage dest = Destination();
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(zoom.LastCursorPosColor(), -1);
    EXPECT_EQ(zoom.LastCursorPosX(), 640);
    EXPECT_EQ(dest.copy(0, 0, 96, 96), Filled(QSize(96, 96), kMaskPixel));
    EXPECT_EQ(dest.pixel(97, 97), kUntouched);
}

TEST_F(CZoomTest, CursorBeyondEveryMonitorGivesNoColour) {
    screen.cursor = QPoint(2000, 10);
    QImage dest = Destination();
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    EXPECT_EQ(zoom.LastCursorPosColor(), -1);
}

TEST_F(CZoomTest, MaskColourIsTranslated) {
    screen.cursor = QPoint(0, 0);
    QImage dest = Destination();
    zoom.Zoom(dest, 0, 0, 100, 100, OleColor::SystemColor(5));
    EXPECT_EQ(dest.pixel(0, 0), QtColor::ToQColor(OleColor::SystemColor(5)).rgb());
    zoom.Zoom(dest, 0, 0, 100, 100, OleColor::FromBits(0x7F000000)); // untranslatable
    EXPECT_EQ(dest.pixel(0, 0), qRgb(0, 0, 0));
}

TEST_F(CZoomTest, MarksTheCursorCellOfTheLastZoom) {
    zoom.SetZoomFactor(6);
    QImage dest = Destination();
    zoom.MarkLastCursorPos(dest, 0x0000FF);
    EXPECT_EQ(dest.pixel(5, 5), qRgb(0xFF, 0, 0)); // before any Zoom: at 0, 0
    EXPECT_EQ(dest.pixel(6, 6), kUntouched);

    dest = Destination();
    zoom.Zoom(dest, 0, 0, 100, 100, kMask);
    const QImage drawn = dest;
    zoom.MarkLastCursorPos(dest, 0x00FF00);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const bool inCell = x >= 48 && x < 54 && y >= 48 && y < 54;
            ASSERT_EQ(dest.pixel(x, y), inCell ? qRgb(0, 0xFF, 0) : drawn.pixel(x, y)) << x << ", " << y;
        }
    }
}

TEST_F(CZoomTest, MarkerIsTranslatedAndClippedToTheImage) {
    zoom.SetZoomFactor(6);
    QImage view = Destination(QSize(100, 100));
    zoom.Zoom(view, 0, 0, 100, 100, kMask);
    QImage small = Destination(QSize(50, 50)); // the cell at 48, 48 reaches past its edge
    zoom.MarkLastCursorPos(small, OleColor::SystemColor(8));
    EXPECT_EQ(small.pixel(49, 49), QtColor::ToQColor(OleColor::SystemColor(8)).rgb());
    EXPECT_EQ(small.pixel(47, 47), kUntouched);
}

TEST_F(CZoomTest, ZoomCanvasFillsThePictureBoxWithTheBackColourAsMask) {
    PictureBox canvas;
    canvas.resize(150, 83); // the picking view at 15 twips per pixel
    canvas.SetBackColor(0x00FFFF);
    canvas.Cls();
    zoom.SetZoomFactor(6);
    screen.cursor = QPoint(0, 512);

    zoom.ZoomCanvas(canvas);

    // 25 x 13 cells, the cursor's in column 12 and row 6; the left 12 columns beyond the screen.
    EXPECT_EQ(zoom.ScaledLastCursorPosX(), 72);
    EXPECT_EQ(zoom.ScaledLastCursorPosY(), 36);
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.pixel(71, 40), qRgb(0xFF, 0xFF, 0));
    EXPECT_EQ(image.pixel(72, 36), ScreenPixel(screen, {0, 512}));
    EXPECT_EQ(image.pixel(149, 77), ScreenPixel(screen, {12, 518}));
    EXPECT_EQ(image.pixel(149, 78), qRgb(0xFF, 0xFF, 0)); // the strip below the whole cells
}

TEST_F(CZoomTest, MarkLastCursorPosOnTheCanvas) {
    PictureBox canvas;
    canvas.resize(100, 100);
    zoom.SetZoomFactor(6);
    zoom.ZoomCanvas(canvas);
    zoom.MarkLastCursorPos(canvas, 0x0000FF);
    EXPECT_EQ(canvas.Image().pixel(53, 53), qRgb(0xFF, 0, 0));
    EXPECT_EQ(canvas.Image().pixel(54, 54), ScreenPixel(screen, {641, 513}));
}

struct OverWindowCase {
    const char* name;
    QPoint cursor;
    bool over;
};

class MouseOverWindow : public testing::TestWithParam<OverWindowCase> {};

// The window covers x 100..149 and y 200..239.
TEST_P(MouseOverWindow, CountsTheLeftAndTopEdgesInAndTheRightAndBottomOut) {
    FakeScreen screen;
    QWidget window;
    screen.windows[&window] = QRect(100, 200, 50, 40);
    screen.cursor = GetParam().cursor;
    CZoom zoom(screen);
    EXPECT_EQ(zoom.IsMouseOverWindow(window), GetParam().over);
}

INSTANTIATE_TEST_SUITE_P(CZoom, MouseOverWindow,
                         testing::Values(OverWindowCase{"TopLeftCorner", {100, 200}, true},
                                         OverWindowCase{"LeftEdge", {100, 220}, true},
                                         OverWindowCase{"TopEdge", {120, 200}, true},
                                         OverWindowCase{"LastColumnAndRow", {149, 239}, true},
                                         OverWindowCase{"ColumnRightOfIt", {150, 220}, false},
                                         OverWindowCase{"RowBelowIt", {120, 240}, false},
                                         OverWindowCase{"ColumnLeftOfIt", {99, 220}, false},
                                         OverWindowCase{"RowAboveIt", {120, 199}, false}),
                         ByName());

} // namespace
