#include "QtScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace Platform {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultDpi = 96.0;

double TwipsPerPixel(double dpi) {
    return kTwipsPerInch / (dpi > 0.0 ? dpi : kDefaultDpi);
}

} // namespace

double QtScreenMetrics::TwipsPerPixelX() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen ? screen->logicalDotsPerInchX() : kDefaultDpi);
}

double QtScreenMetrics::TwipsPerPixelY() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return TwipsPerPixel(screen ? screen->logicalDotsPerInchY() : kDefaultDpi);
}

QRect QtScreenMetrics::ScreenGeometryAt(std::optional<QPoint> Point) const {
    const QScreen* screen = Point ? QGuiApplication::screenAt(*Point) : nullptr;
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->geometry() : QRect(0, 0, 800, 600);
}

} // namespace Platform
