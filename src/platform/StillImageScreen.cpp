#include "StillImageScreen.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace Platform {
namespace {

QRect Bounds(const std::vector<QRect>& monitors) {
    QRect bounds;
    for (const QRect& monitor : monitors) {
        bounds |= monitor;
    }
    return bounds;
}

int Floor(qreal value) {
    return static_cast<int>(std::floor(value));
}

} // namespace

StillImageScreen::StillImageScreen(const QImage& Image, const std::vector<QRect>& Monitors) {
    const QRect logical = Bounds(Monitors);
    if (Image.isNull() || logical.isEmpty()) {
        return;
    }
    mScale = QSizeF(qreal(Image.width()) / logical.width(), qreal(Image.height()) / logical.height());
    mDesktop = QRect(PixelAt(logical.topLeft()), Image.size());
    mCursor = mDesktop.topLeft();

    // Only what lies on a monitor is kept; the rest (the corners of a desktop that is no
    // rectangle) stays transparent, as a screen that has no pixel there.
    mImage = QImage(Image.size(), QImage::Format_ARGB32);
    mImage.fill(Qt::transparent);
    QPainter painter(&mImage);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& monitor : Monitors) {
        const QRect pixels = PixelsOf(monitor).translated(-mDesktop.topLeft());
        painter.drawImage(pixels.topLeft(), Image, pixels);
    }
}

void StillImageScreen::SetCursorPos(QPoint Position) {
    if (mDesktop.isEmpty()) {
        return;
    }
    mCursor = QPoint(std::clamp(Position.x(), mDesktop.left(), mDesktop.right()),
                     std::clamp(Position.y(), mDesktop.top(), mDesktop.bottom()));
}

QRect StillImageScreen::WindowRect(const QWidget& /*Window*/) const {
    return {};
}

QImage StillImageScreen::Grab(const QRect& Area) const {
    if (Area.isEmpty()) {
        return QImage();
    }
    // QImage::copy fills what lies beyond the image with 0: transparent.
    return mImage.copy(Area.translated(-mDesktop.topLeft()));
}

QPoint StillImageScreen::PixelAt(QPointF Position) const {
    return QPoint(Floor(Position.x() * mScale.width()), Floor(Position.y() * mScale.height()));
}

QRect StillImageScreen::PixelsOf(const QRect& Area) const {
    const QPoint topLeft = PixelAt(Area.topLeft());
    const QPoint end = PixelAt(Area.topLeft() + QPoint(Area.width(), Area.height()));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

QRectF StillImageScreen::AreaOf(QPoint Pixel) const {
    return QRectF(QPointF(Pixel.x() / mScale.width(), Pixel.y() / mScale.height()),
                  QSizeF(1.0 / mScale.width(), 1.0 / mScale.height()));
}

QImage StillImageScreen::Part(const QRect& Area) const {
    const QRect pixels = PixelsOf(Area).translated(-mDesktop.topLeft());
    // One monitor shows the whole image: shared, not copied.
    QImage part = pixels == mImage.rect() ? mImage : mImage.copy(pixels);
    part.setDevicePixelRatio(mScale.width());
    return part;
}

} // namespace Platform
