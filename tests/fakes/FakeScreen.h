#pragma once

#include "platform/Screen.h"

#include <QHash>
#include <QPainter>
#include <functional>

// A screen made of an image a test builds: its top-left pixel lies at `origin` on the desktop,
// the desktop is `desktop` (the image's rectangle unless a test sets another), and transparent
// pixels play gaps between monitors. The cursor and the windows are where a test puts them.
class FakeScreen final : public Platform::Screen {
public:
    FakeScreen() = default;
    explicit FakeScreen(const QImage& Pixels, QPoint Origin = QPoint(0, 0)) { SetPixels(Pixels, Origin); }

    void SetPixels(const QImage& Pixels, QPoint Origin = QPoint(0, 0)) {
        pixels = Pixels.convertToFormat(QImage::Format_ARGB32);
        origin = Origin;
        desktop = QRectF(QRect(Origin, Pixels.size()));
    }
    QPoint CursorPos() const override { return cursor; }
    void SetCursorPos(QPoint Position) override { cursor = Position; }
    QRect WindowRect(const QWidget& Window) const override { return windows.value(&Window); }
    QRectF Desktop() const override { return desktop; }
    QImage Grab(const QRect& Area) const override {
        ++grabs;
        lastGrab = Area;
        if (onGrab) {
            onGrab();
        }
        QImage copy(Area.size(), QImage::Format_ARGB32);
        copy.fill(Qt::transparent);
        if (readable && !copy.isNull()) {
            QPainter painter(&copy);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(origin - Area.topLeft(), pixels);
        }
        return copy;
    }

    QImage pixels;
    QPoint origin;
    QRectF desktop;
    QPoint cursor;
    QHash<const QWidget*, QRect> windows;
    bool readable = true;         // false plays a screen that cannot be read (Wayland without X11)
    std::function<void()> onGrab; // runs inside every Grab, before the copy is made
    mutable int grabs = 0;
    mutable QRect lastGrab;
};
