#include "WindowFrame.h"

#include <QApplication>
#include <QWidget>

namespace Platform {

QMargins OwnWindowFrame(const QWidget& Window) {
    const QRect frame = Window.frameGeometry();
    const QRect client = Window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
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
