#pragma once

#include <QStringView>
#include <functional>

namespace Platform {

// How screen picking works in this session.
enum class PickingBackend {
    ScreenReading, // a timer reads the pixel under the pointer itself, with the magnifier
    DesktopPicker  // the desktop's own colour picker (DesktopColorPicker), through its portal
};

// The picking this session gets, chosen once at start-up. PlatformName is Qt's platform plugin
// ("xcb", "wayland", "offscreen", ...). The two facts are asked only where they decide
// something: ScreenReadable, whether a pixel of the screen can be read; PortalPresent, whether
// a desktop portal runs or can be started on the session bus.
// - X11 ("xcb"): always ScreenReading; neither fact is asked, and the portal is never used.
// - Wayland ("wayland", "wayland-egl", ...): always DesktopPicker, where a program can read no
//   pixel of the screen; without a portal the user is told how to get picking.
// - Any other platform: DesktopPicker where the screen cannot be read and a portal is
//   present, otherwise ScreenReading.
PickingBackend ChoosePickingBackend(QStringView PlatformName, const std::function<bool()>& ScreenReadable,
                                    const std::function<bool()>& PortalPresent);

} // namespace Platform
