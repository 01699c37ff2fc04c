#include "Services.h"

#include "platform/PickingBackend.h"
#include "platform/PortalColorPicker.h"
#include "platform/QtClipboard.h"
#include "platform/QtMessageBox.h"
#include "platform/QtScreen.h"
#include "platform/QtScreenMetrics.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>

namespace Platform {
namespace {

// Whether the pixel at the desktop's top-left corner can be read.
bool ScreenReadable(const Screen& screen) {
    const QImage pixel = screen.Grab(QRect(screen.Desktop().topLeft().toPoint(), QSize(1, 1)));
    return !pixel.isNull() && qAlpha(pixel.pixel(0, 0)) != 0;
}

// The portal's picker where this session picks through it, owned by the application; null
// where picking reads the screen itself.
DesktopColorPicker* ColorPickerForSession(const Screen& screen) {
    const PickingBackend backend = ChoosePickingBackend(
        QGuiApplication::platformName(), [&screen] { return ScreenReadable(screen); },
        [] { return PortalColorPicker::PortalPresent(QDBusConnection::sessionBus()); });
    if (backend != PickingBackend::DesktopPicker) {
        return nullptr;
    }
    return new PortalColorPicker(QDBusConnection::sessionBus(), QCoreApplication::instance());
}

} // namespace

Services Services::Qt() {
    static QtClipboard clipboard;
    static QtMessageBox messageBox;
    static QtScreenMetrics metrics;
    static QtScreen screen;
    // Goes with the application, and no dialog outlives that.
    static const QPointer<DesktopColorPicker> colorPicker = ColorPickerForSession(screen);
    return {&clipboard, &messageBox, &metrics, &screen, colorPicker.data()};
}

} // namespace Platform
