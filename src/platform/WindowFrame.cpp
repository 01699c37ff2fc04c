#include "WindowFrame.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace Platform {

// Asked of the window itself: the widget's copy of its frame is renewed only when it moves or
// is resized, and a window that the window manager framed where Qt had put it does neither.
QMargins OwnWindowFrame(const QWidget& Window) {
    const QWindow* window = Window.windowHandle();
    return window ? window->frameMargins() : QMargins();
}

QRect OuterGeometry(const QWidget& Window) {
    return Window.geometry().marginsAdded(OwnWindowFrame(Window));
}

QMargins WindowFrame(const QWidget& Window, const QWidget* Parent) {
    if (const QMargins own = OwnWindowFrame(Window); !own.isNull()) {
        return own;
    }
    // Until it is mapped, X11 cannot tell a window's frame; a window manager frames the windows
    // of one application alike.
    if (Parent && Parent->isVisible()) {
        return OwnWindowFrame(*Parent->window());
    }
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &Window && other->isVisible()) {
            if (const QMargins frame = OwnWindowFrame(*other); !frame.isNull()) {
                return frame;
            }
        }
    }
    return {};
}

} // namespace Platform
