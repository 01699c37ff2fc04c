#pragma once

#include <QImage>
#include <QObject>
#include <QString>

class QWidget;

namespace Platform {

// Still images of the whole desktop that the desktop takes for us, where a program may not read
// the screen itself (a Wayland session, or an X server that refuses to be read). Screen picking
// runs its magnifier over one such image.
//
// Everything is asynchronous and nothing here waits for the desktop: Take returns at once, and
// exactly one Finished follows each Take, later, from the event loop, unless Cancel comes first.
// The desktop may ask the user first whether to allow it, and may never answer at all.
class DesktopScreenshot : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Asks for one image of the whole desktop as it is now, without letting the user choose an
    // area; any question the desktop asks goes over the window Parent (may be null). One at a
    // time: a Take while another is outstanding is ignored.
    virtual void Take(QWidget* Parent) = 0;

    // Gives up the outstanding Take, if any, and closes any question the desktop shows for it
    // where the desktop allows it. No Finished follows for it.
    virtual void Cancel() = 0;

signals:
    // The end of a Take: the desktop in device pixels (its top-left pixel at the top-left corner
    // of the leftmost, topmost monitor), or a null image with Failure saying why there is none,
    // in words for the user.
    void Finished(const QImage& Image, const QString& Failure);
};

} // namespace Platform
