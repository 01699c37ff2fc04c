#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace Platform {

// The frame a window manager puts around the top-level Window (title bar and borders), as the
// window system reports it: Window's own once Qt knows it (after the window manager has framed
// the mapped window); before that the frame of Parent, else that of any visible top-level window
// of the application, else none. Without a window manager there is none.
QMargins WindowFrame(const QWidget& Window, const QWidget* Parent);

// Window's own frame as the window system reports it now; none before it is framed.
QMargins OwnWindowFrame(const QWidget& Window);

// Window's outer rectangle on the screen: its geometry and its own frame around it.
QRect OuterGeometry(const QWidget& Window);

} // namespace Platform
