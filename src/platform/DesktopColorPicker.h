#pragma once

#include "common/OleColor.h"

#include <QObject>
#include <QString>

class QWidget;

namespace Platform {

// A colour picker that the desktop runs for us: it lets the user choose a pixel anywhere on
// the screen in its own way and hands back that pixel's colour. Screen picking goes through it
// where a program may not read the screen or move the pointer itself (a Wayland session).
//
// Everything is asynchronous and nothing here waits for the desktop: Pick returns at once, and
// exactly one Finished follows each Pick, later, from the event loop, unless Cancel comes first.
class DesktopColorPicker : public QObject {
    Q_OBJECT

public:
    enum class Availability {
        Checking,   // the desktop has not said yet; a Pick now waits for its answer
        Available,  // the desktop offers a colour picker
        Unavailable // no picker found so far; a Pick asks the desktop again
    };
    enum class Outcome {
        Picked,     // the colour argument holds the chosen colour
        Cancelled,  // the user closed the desktop's picker without choosing
        Failed,     // the desktop reported an error or answered in a way that cannot be read
        Unavailable // there is no colour picker in this session
    };
    Q_ENUM(Outcome)

    using QObject::QObject;

    // What is known so far about whether picking can work in this session. Never blocks.
    virtual Availability State() const = 0;

    // Opens the desktop's picker over the window Parent (may be null). One pick at a time: a
    // Pick while another is outstanding is ignored.
    virtual void Pick(QWidget* Parent) = 0;

    // Gives up the outstanding pick, if any, and closes the desktop's picker where the desktop
    // allows it. No Finished follows for that pick.
    virtual void Cancel() = 0;

signals:
    // The end of a pick. Color is a plain RGB value 0x00BBGGRR for Outcome::Picked and -1 for
    // every other outcome. Failure says in words what went wrong for Outcome::Failed, for the
    // user; "" otherwise.
    void Finished(Platform::DesktopColorPicker::Outcome Outcome, OLE_COLOR Color, const QString& Failure);
};

} // namespace Platform
