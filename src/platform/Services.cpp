#include "Services.h"

#include "platform/PickingBackend.h"
#include "platform/PortalColorPicker.h"
#include "platform/PortalScreenshot.h"
#include "platform/QtClipboard.h"
#include "platform/QtMessageBox.h"
#include "platform/QtScreen.h"
#include "platform/QtScreenMetrics.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>

namespace Platform {
namespace {

// The desktop's picker and screenshots where this session picks over still images, owned by
// the application; none where picking reads the screen itself.
struct StillImagePicking {
    QPointer<DesktopColorPicker> colorPicker;
    QPointer<DesktopScreenshot> screenshot;
    std::function<bool()> screenReadable;
};

StillImagePicking PickingForSession(const QtScreen& screen) {
    const QString platform = QGuiApplication::platformName();
    const auto readable = [&screen] { return screen.Readable(); };
    const PickingBackend backend = ChoosePickingBackend(
        platform, readable, [] { return PortalColorPicker::PortalPresent(QDBusConnection::sessionBus()); });
    if (backend != PickingBackend::StillImage) {
        return {};
    }
    QObject* application = QCoreApplication::instance();
    return {new PortalColorPicker(QDBusConnection::sessionBus(), application),
            new PortalScreenshot(QDBusConnection::sessionBus(), application),
            platform.startsWith(QLatin1String("wayland")) ? std::function<bool()>() : readable};
}

} // namespace

Services Services::Qt() {
    static QtClipboard clipboard;
    static QtMessageBox messageBox;
    static QtScreenMetrics metrics;
    static QtScreen screen;
    // Goes with the application, and no dialog outlives that.
    static const StillImagePicking picking = PickingForSession(screen);
    return {&clipboard,
            &messageBox,
            &metrics,
            &screen,
            picking.colorPicker.data(),
            picking.screenshot.data(),
            picking.screenReadable};
}

} // namespace Platform
