#include "MonitorLayout.h"

#include "common/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace MonitorLayout {
namespace {

int Scaled(int value, qreal factor) {
    return Rounding::RoundToInt32(value * factor);
}

} // namespace

QRect Monitor::Pixels() const {
    return ToPixels(geometry);
}

QRect Monitor::ToPixels(const QRect& logical) const {
    return QRect(ToPixels(logical.topLeft()),
                 QSize(Scaled(logical.width(), ratio), Scaled(logical.height(), ratio)));
}

QPoint Monitor::ToPixels(QPoint logical) const {
    const QPoint origin = geometry.topLeft();
    const QPoint offset = logical - origin;
    return origin + QPoint(Scaled(offset.x(), ratio), Scaled(offset.y(), ratio));
}

QPoint Monitor::ToLogical(QPoint pixel) const {
    const QPoint origin = geometry.topLeft();
    const QPoint offset = pixel - origin;
    return origin + QPoint(Scaled(offset.x(), 1.0 / ratio), Scaled(offset.y(), 1.0 / ratio));
}

const Monitor* MonitorAtPixel(const std::vector<Monitor>& Monitors, QPoint Pixel) {
    for (const Monitor& monitor : Monitors) {
        if (monitor.Pixels().contains(Pixel)) {
            return &monitor;
        }
    }
    return nullptr;
}

const Monitor* MonitorAtLogical(const std::vector<Monitor>& Monitors, QPoint Logical) {
    for (const Monitor& monitor : Monitors) {
        if (monitor.geometry.contains(Logical)) {
            return &monitor;
        }
    }
    return nullptr;
}

QRectF Desktop(const std::vector<Monitor>& Monitors) {
    QRect bounds;
    for (const Monitor& monitor : Monitors) {
        bounds |= monitor.Pixels();
    }
    return QRectF(bounds);
}

namespace {

// The device-independent rectangle, relative to the monitor, whose scaled copy covers Local
// (screen pixels relative to the monitor); with a ratio that is not whole it reaches a little
// beyond Local, though never beyond the monitor, and Skip tells how far the scaled copy starts
// before Local.
QRect LogicalCover(const Monitor& monitor, const QRect& Local, QPoint& Skip) {
    const qreal ratio = monitor.ratio;
    const int left = static_cast<int>(std::floor(Local.left() / ratio));
    const int top = static_cast<int>(std::floor(Local.top() / ratio));
    const int right = std::min(monitor.geometry.width(),
                               static_cast<int>(std::ceil((Local.left() + Local.width()) / ratio)));
    const int bottom = std::min(monitor.geometry.height(),
                                static_cast<int>(std::ceil((Local.top() + Local.height()) / ratio)));
    // QScreen::grabWindow scales the corner it is given with qRound, so the copy starts there.
    Skip = Local.topLeft() - QPoint(qRound(left * ratio), qRound(top * ratio));
    return QRect(left, top, right - left, bottom - top);
}

// Copies the Size pixels at From in Source to To in Target, as far as Source reaches.
void CopyPixels(const QImage& Source, QPoint From, QSize Size, QImage& Target, QPoint To) {
    const QRect available = QRect(From, Size) & Source.rect();
    if (available.isEmpty()) {
        return;
    }
    const QPoint target = To + (available.topLeft() - From);
    const std::size_t rowBytes = static_cast<std::size_t>(available.width()) * sizeof(QRgb);
    for (int row = 0; row < available.height(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(Source.constScanLine(available.top() + row));
        auto* to = reinterpret_cast<QRgb*>(Target.scanLine(target.y() + row));
        std::memcpy(to + target.x(), from + available.left(), rowBytes);
    }
}

} // namespace

QImage Compose(const std::vector<Monitor>& Monitors, const QRect& Area, const GrabMonitor& Grab) {
    if (Area.isEmpty()) {
        return QImage();
    }
    QImage result(Area.size(), QImage::Format_ARGB32);
    if (result.isNull()) {
        return result;
    }
    result.fill(Qt::transparent);
    for (std::size_t i = 0; i < Monitors.size(); ++i) {
        const QRect pixels = Monitors[i].Pixels();
        const QRect part = Area & pixels;
        if (part.isEmpty()) {
            continue;
        }
        QPoint skip;
        const QRect cover = LogicalCover(Monitors[i], part.translated(-pixels.topLeft()), skip);
        const QImage copy = Grab(i, cover);
        if (copy.isNull()) {
            continue;
        }
        CopyPixels(copy.convertToFormat(QImage::Format_ARGB32), skip, part.size(), result,
                   part.topLeft() - Area.topLeft());
    }
    return result;
}

} // namespace MonitorLayout
