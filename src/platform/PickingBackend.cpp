#include "PickingBackend.h"

namespace Platform {

PickingBackend ChoosePickingBackend(QStringView PlatformName, const std::function<bool()>& ScreenReadable,
                                    const std::function<bool()>& PortalPresent) {
    if (PlatformName == u"xcb") {
        return ScreenReadable() ? PickingBackend::ScreenReading : PickingBackend::StillImage;
    }
    if (PlatformName.startsWith(u"wayland")) {
        return PickingBackend::StillImage;
    }
    return !ScreenReadable() && PortalPresent() ? PickingBackend::StillImage : PickingBackend::ScreenReading;
}

} // namespace Platform
