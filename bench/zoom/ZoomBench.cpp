// The cost of one magnifier update as screen picking runs it every 10 ms: ZoomCanvas with
// ZoomFactor 6 into the picking view (2256 x 1248 twips: 188 x 104 pixels at 12 twips per
// pixel, 150 x 83 at 15), on the fake screen and on an X server of 1920 x 1080 pixels (bench/run
// starts Xvfb) with the real screen layer. Prints the median, the 99th percentile and the worst call, and the resident memory
// before and after 100,000 calls. Target: a median under 1 ms.
#include "fakes/FakeScreen.h"
#include "platform/PictureBox.h"
#include "platform/QtScreen.h"
#include "support/Gradient.h"
#include "support/TickTimer.h"
#include "zoom/CZoom.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>

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
    char label[64];
    std::snprintf(label, sizeof label, "%-14s view %3d x %3d", screenName, view.width(), view.height());
    TimeTicks(
        label, kWarmUp, kCalls, [&](int call) { screen.SetCursorPos(CursorFor(call)); },
        [&] { zoom.ZoomCanvas(canvas); });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    const QSize views[] = {{188, 104}, {150, 83}};
    FakeScreen fake(Gradient(kDesktop));
    for (const QSize view : views) {
        Measure("fake screen", fake, view);
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::printf("QtScreen on Xvfb: not measured, no X server (bench/run starts one)\n");
        return 0;
    }
    Platform::QtScreen screen;
    for (const QSize view : views) {
        Measure("QtScreen/Xvfb", screen, view);
    }
    return 0;
}
