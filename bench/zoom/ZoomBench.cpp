// The cost of one magnifier update as screen picking runs it every 10 ms: ZoomCanvas with
// ZoomFactor 6 into the picking view (2256 x 1248 twips: 188 x 104 pixels at 12 twips per
// pixel, 150 x 83 at 15), on the fake screen and on a private Xvfb with the real screen
// layer. Prints the median, the 99th percentile and the worst call, and the resident memory
// before and after 100,000 calls. Target: a median under 1 ms.
#include "fakes/FakeScreen.h"
#include "platform/PictureBox.h"
#include "platform/QtScreen.h"
#include "support/TickFigures.h"
#include "support/Xvfb.h"
#include "zoom/CZoom.h"

#include <QApplication>
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

constexpr int kCalls = 100000;
constexpr int kWarmUp = 1000;
const QSize kDesktop(1920, 1080);

// Cursor positions that visit the middle, the edges and the corners of the desktop.
QPoint CursorFor(int call) {
    static const QPoint positions[] = {{960, 540}, {0, 0},      {1919, 1079}, {5, 600},
                                       {1915, 3},  {700, 1079}, {333, 222}};
    return positions[call % std::size(positions)];
}

void Measure(const char* screenName, Platform::Screen& screen, QSize view) {
    CZoom zoom(screen);
    zoom.SetZoomFactor(6);
    PictureBox canvas;
    canvas.resize(view);
    // Filled in before the first measurement, so that its pages count as resident from there.
    std::vector<double> micros(kCalls, 0.0);
    long residentAfterWarmUp = 0;
    for (int call = 0; call < kWarmUp + kCalls; ++call) {
        screen.SetCursorPos(CursorFor(call));
        const auto start = std::chrono::steady_clock::now();
        zoom.ZoomCanvas(canvas);
        const auto end = std::chrono::steady_clock::now();
        if (call == kWarmUp) {
            residentAfterWarmUp = ResidentKiB();
        }
        if (call >= kWarmUp) {
            micros[call - kWarmUp] = std::chrono::duration<double, std::micro>(end - start).count();
        }
        // As between two timer ticks: the cursor's motion events and the repaint requests.
        QCoreApplication::processEvents();
    }
    const long residentAtEnd = ResidentKiB();
    const TickFigures figures = FiguresOf(std::move(micros));
    std::printf("%-14s view %3d x %3d: median %7.1f us, p99 %7.1f us, max %8.1f us; "
                "resident %ld KiB after %d calls, %ld KiB after %d more (%+ld KiB)\n",
                screenName, view.width(), view.height(), figures.median, figures.p99, figures.max,
                residentAfterWarmUp, kWarmUp, residentAtEnd, kCalls, residentAtEnd - residentAfterWarmUp);
}

QImage Gradient(QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    Xvfb server(std::to_string(kDesktop.width()) + "x" + std::to_string(kDesktop.height()) + "x24");
    const std::string error = server.StartForQt();
    QApplication app(argc, argv);

    const QSize views[] = {{188, 104}, {150, 83}};
    FakeScreen fake(Gradient(kDesktop));
    for (const QSize view : views) {
        Measure("fake screen", fake, view);
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::printf("QtScreen on Xvfb: not measured, %s\n", error.c_str());
        return 0;
    }
    Platform::QtScreen screen;
    for (const QSize view : views) {
        Measure("QtScreen/Xvfb", screen, view);
    }
    return 0;
}
