#pragma once

#include "platform/Screen.h"

#include <QColor>
#include <QPalette>
#include <QTest>
#include <QWidget>
#include <memory>

// Shows a frameless top-level window filled with Colour at Geometry (device-independent
// pixels) and waits until the screen shows it, as Screen reads it; nullptr when it has not
// appeared within five seconds.
inline std::unique_ptr<QWidget> ShowColouredWindow(const QRect& Geometry, const QColor& Colour,
                                                   const Platform::Screen& Screen) {
    auto window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, Colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setGeometry(Geometry);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return nullptr;
    }
    const QRect centre(Screen.WindowRect(*window).center(), QSize(1, 1));
    const bool shown = QTest::qWaitFor(
        [&] {
            const QImage pixel = Screen.Grab(centre);
            return !pixel.isNull() && QColor(pixel.pixel(0, 0)) == Colour;
        },
        5000);
    return shown ? std::move(window) : nullptr;
}
