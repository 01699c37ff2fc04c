#pragma once

#include "platform/Screen.h"

namespace Platform {

// The screen through Qt: QScreen::grabWindow on every monitor an area touches, and the
// monitors' geometries and device pixel ratios to work in physical pixels. On X11 the cursor
// is read and moved in physical pixels through the X server itself, because QCursor rounds to
// device-independent pixels and would lose every other pixel at a ratio of 2; elsewhere QCursor
// is used. Nothing is kept from one call to the next.
class QtScreen final : public Screen {
public:
    QPoint CursorPos() const override;
    void SetCursorPos(QPoint Position) override;
    QRect WindowRect(const QWidget& Window) const override;
    QRectF Desktop() const override;
    QImage Grab(const QRect& Area) const override;

    // Whether this screen's pixels can be read: on X11 the server is asked for one pixel of the
    // root window itself (XWayland refuses it, where Qt's own copy would come out black without
    // a word), elsewhere one pixel of the primary monitor is grabbed.
    bool Readable() const;
};

} // namespace Platform
