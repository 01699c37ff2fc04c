#include "PickingBackend.h"

namespace Platform {

PickingBackend ChoosePickingBackend(QStringView PlatformName, const std::function<bool()>& ScreenReadable,
                                    const std::function<bool()>& PortalPresent) {
    if (PlatformName == u"xcb") {
        return PickingBackend::ScreenReading;
    }
    if (PlatformName.startsWith(u"wayland")) {
        return PickingBackend::DesktopPicker;
    }
    return !ScreenReadable() && PortalPresent() ? PickingBackend::DesktopPicker
                                                : PickingBackend::ScreenReading;
}

} // namespace Platform
