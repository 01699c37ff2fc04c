#pragma once

namespace Platform {

class Clipboard;
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

    // The Qt backends, created on first use; needs a running QApplication.
    static Services Qt();
};

} // namespace Platform
