#include "QtScreen.h"

#include "platform/MonitorLayout.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>

#ifdef TINTRIX_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace Platform {
namespace {

using MonitorLayout::Monitor;

std::vector<Monitor> MonitorsOf(const QList<QScreen*>& screens) {
    std::vector<Monitor> monitors;
    monitors.reserve(static_cast<std::size_t>(screens.size()));
    for (const QScreen* screen : screens) {
        monitors.push_back({screen->geometry(), screen->devicePixelRatio()});
    }
    return monitors;
}

std::vector<Monitor> Monitors() {
    return MonitorsOf(QGuiApplication::screens());
}

#ifdef TINTRIX_HAVE_XCB

struct X11Pointer {
    xcb_connection_t* connection;
    xcb_window_t root;
};

// The X server Qt talks to, when it runs on X11. The desktop is the display's first screen:
// several monitors make one X screen, laid out by RandR.
std::optional<X11Pointer> X11() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return std::nullopt;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (screen == nullptr) {
        return std::nullopt;
    }
    return X11Pointer{connection, screen->root};
}

std::optional<QPoint> X11CursorPos() {
    const auto x11 = X11();
    if (!x11) {
        return std::nullopt;
    }
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(x11->connection, xcb_query_pointer(x11->connection, x11->root), nullptr),
        &std::free);
    if (!reply) {
        return std::nullopt;
    }
    return QPoint(reply->root_x, reply->root_y);
}

bool X11SetCursorPos(QPoint position) {
    const auto x11 = X11();
    if (!x11) {
        return false;
    }
    // The X protocol carries 16-bit coordinates; the server keeps the pointer on the screen.
    const auto coordinate = [](int value) {
        return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
    };
    xcb_warp_pointer(x11->connection, XCB_NONE, x11->root, 0, 0, 0, 0, coordinate(position.x()),
                     coordinate(position.y()));
    xcb_flush(x11->connection);
    return true;
}

std::optional<bool> X11RootReadable() {
    const auto x11 = X11();
    if (!x11) {
        return std::nullopt;
    }
    xcb_generic_error_t* error = nullptr;
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(x11->connection,
                            xcb_get_image(x11->connection, XCB_IMAGE_FORMAT_Z_PIXMAP, x11->root, 0, 0, 1, 1,
                                          ~std::uint32_t{0}),
                            &error),
        &std::free);
    std::free(error);
    return reply != nullptr;
}

#else

std::optional<QPoint> X11CursorPos() {
    return std::nullopt;
}

bool X11SetCursorPos(QPoint) {
    return false;
}

std::optional<bool> X11RootReadable() {
    return std::nullopt;
}

#endif

} // namespace

QPoint QtScreen::CursorPos() const {
    if (const auto position = X11CursorPos()) {
        return *position;
    }
    const QPoint logical = QCursor::pos();
    const auto monitors = Monitors();
    const Monitor* monitor = MonitorLayout::MonitorAtLogical(monitors, logical);
    if (monitor == nullptr && !monitors.empty()) {
        monitor = &monitors.front(); // the primary monitor, for a position just past an edge
    }
    return monitor ? monitor->ToPixels(logical) : logical;
}

void QtScreen::SetCursorPos(QPoint Position) {
    if (X11SetCursorPos(Position)) {
        return;
    }
    const auto monitors = Monitors();
    const Monitor* monitor = MonitorLayout::MonitorAtPixel(monitors, Position);
    QCursor::setPos(monitor ? monitor->ToLogical(Position) : Position);
}

QRect QtScreen::WindowRect(const QWidget& Window) const {
    const QRect logical =
        Window.isWindow() ? Window.frameGeometry() : QRect(Window.mapToGlobal(QPoint(0, 0)), Window.size());
    const QScreen* screen = Window.screen();
    if (screen == nullptr) {
        return QRect();
    }
    return Monitor{screen->geometry(), screen->devicePixelRatio()}.ToPixels(logical);
}

QRectF QtScreen::Desktop() const {
    return MonitorLayout::Desktop(Monitors());
}

QImage QtScreen::Grab(const QRect& Area) const {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return MonitorLayout::Compose(MonitorsOf(screens), Area,
                                  [&screens](std::size_t index, const QRect& local) {
                                      return screens[static_cast<qsizetype>(index)]
                                          ->grabWindow(0, local.x(), local.y(), local.width(), local.height())
                                          .toImage();
                                  });
}

bool QtScreen::Readable() const {
    if (const auto readable = X11RootReadable()) {
        return *readable;
    }
    const auto monitors = Monitors();
    if (monitors.empty()) {
        return false;
    }
    const QImage pixel = Grab(QRect(monitors.front().Pixels().topLeft(), QSize(1, 1)));
    return !pixel.isNull() && qAlpha(pixel.pixel(0, 0)) != 0;
}

} // namespace Platform
