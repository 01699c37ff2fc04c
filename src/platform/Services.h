#pragma once

namespace Platform {

class Clipboard;
class DesktopColorPicker;
class MessageBox;
class Screen;
class ScreenMetrics;

// The platform services a dialog works with. Dialogs take them in their constructor; tests
// pass fakes, the program the Qt backends.
struct Services {
    Clipboard* clipboard = nullptr;
    MessageBox* messageBox = nullptr;
    ScreenMetrics* metrics = nullptr;
    Screen* screen = nullptr;
    // The desktop's own colour picker where screen picking goes through it (Wayland); null
    // where picking reads the screen itself with the magnifier (X11).
    DesktopColorPicker* colorPicker = nullptr;

    // The Qt backends, created on first use; needs a running QApplication. The way of screen
    // picking is chosen then, once (ChoosePickingBackend).
    static Services Qt();
};

} // namespace Platform
