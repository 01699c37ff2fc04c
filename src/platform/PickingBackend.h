#pragma once

#include <QStringView>
#include <functional>

namespace Platform {

// How screen picking works in this session.
enum class PickingBackend {
    ScreenReading, // a timer reads the pixel under the pointer on the screen itself, with the magnifier
    StillImage     // the magnifier over one still image of the desktop per pick, which the desktop
                   // takes (DesktopScreenshot); the desktop's own colour picker (DesktopColorPicker)
                   // where it takes none
};

// The picking this session gets, chosen at start-up. PlatformName is Qt's platform plugin
// ("xcb", "wayland", "offscreen", ...). The two facts are asked only where they decide
// something: ScreenReadable, whether a pixel of the screen can be read; PortalPresent, whether
// a desktop portal runs or can be started on the session bus.
// - X11 ("xcb"): ScreenReading where the screen can be read, StillImage where it cannot (an X
//   server inside a Wayland session, XWayland, refuses); the portal is not asked.
// - Wayland ("wayland", "wayland-egl", ...): always StillImage, where a program can read no
//   pixel of the screen; without a portal the user is told how to get picking.
// - Any other platform: StillImage where the screen cannot be read and a portal is present,
//   otherwise ScreenReading.
PickingBackend ChoosePickingBackend(QStringView PlatformName, const std::function<bool()>& ScreenReadable,
                                    const std::function<bool()>& PortalPresent);

} // namespace Platform
