#pragma once

#include "platform/Screen.h"

#include <QHash>
#include <QImage>
#include <functional>

// A screen made of an image a test builds, its top-left pixel at 0, 0: the desktop is `desktop`
// (the image's rectangle unless a test sets another), and transparent pixels play gaps between
// monitors. The cursor and the windows are where a test puts them.
class FakeScreen final : public Platform::Screen {
public:
    FakeScreen() = default;
    explicit FakeScreen(const QImage& Pixels) { SetPixels(Pixels); }

    void SetPixels(const QImage& Pixels) {
        pixels = Pixels.convertToFormat(QImage::Format_ARGB32);
        desktop = QRectF(pixels.rect());
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
        QImage none(Area.size(), QImage::Format_ARGB32);
        none.fill(Qt::transparent);
        // What lies beyond the pixels comes as 0: transparent.
        return readable && !none.isNull() && !pixels.isNull() ? pixels.copy(Area) : none;
    }

    QImage pixels;
    QRectF desktop;
    QPoint cursor;
    QHash<const QWidget*, QRect> windows;
    bool readable = true;         // false plays a screen that cannot be read (Wayland without X11)
    std::function<void()> onGrab; // runs inside every Grab, before the copy is made
    mutable int grabs = 0;
    mutable QRect lastGrab;
};
