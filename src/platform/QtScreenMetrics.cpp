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

QSize QtScreenMetrics::PrimaryScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

} // namespace Platform
