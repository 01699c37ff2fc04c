#pragma once

#include <functional>

namespace Platform {

class Clipboard;
class DesktopColorPicker;
class DesktopScreenshot;
class MessageBox;
class Screen;
class ScreenMetrics;

// The platform services a dialog works with. Dialogs take them in their constructor; tests
// pass fakes, the program the Qt backends.
//
// Screen picking reads `screen` live with the magnifier where neither colorPicker nor
// screenshot is set (X11). Where screenshot is set, it runs the magnifier over one still image
// of the desktop per pick, and where the desktop takes none it lets colorPicker pick; where only
// colorPicker is set, that picks.
struct Services {
    Clipboard* clipboard = nullptr;
    MessageBox* messageBox = nullptr;
    ScreenMetrics* metrics = nullptr;
    Screen* screen = nullptr;
    // The desktop's own colour picker; null where picking reads the screen itself.
    DesktopColorPicker* colorPicker = nullptr;
    // Still images of the desktop; null where picking reads the screen itself.
    DesktopScreenshot* screenshot = nullptr;
    // Where screenshot is set, asked at each pick: whether `screen` can be read after all, which
    // then picks live. Null where it never can (Wayland).
    std::function<bool()> screenReadable = {};

    // The Qt backends, created on first use; needs a running QApplication. The way of screen
    // picking is chosen then (ChoosePickingBackend).
    static Services Qt();
};

} // namespace Platform
