#pragma once

#include "platform/DesktopColorPicker.h"
#include "platform/PortalRequest.h"

#include <QDBusConnection>
#include <QString>
#include <QVariantMap>

class QDBusPendingCallWatcher;

namespace Platform {

// The desktop's colour picker through the XDG desktop portal: PickColor of the interface
// org.freedesktop.portal.Screenshot, which GNOME, KDE and other desktops offer with
// xdg-desktop-portal on the session bus. PickColor came with version 2 of that interface; an
// older portal, or none, leaves picking unavailable.
//
// The interface's version is read asynchronously as soon as the picker is made; a Pick before
// the answer waits for it. A version that could not be read, or that said there is no picker, is
// read again by the next Pick: a portal may start, or be installed, while the program runs. The
// call itself goes through PortalRequest, which closes the desktop's picker when a pick is given
// up or the portal does not reply in time.
class PortalColorPicker final : public DesktopColorPicker {
    Q_OBJECT

public:
    // TimeoutMs: how long the portal may take to reply to a call (not to pick).
    explicit PortalColorPicker(const QDBusConnection& Bus = QDBusConnection::sessionBus(),
                               QObject* Parent = nullptr, int TimeoutMs = PortalRequest::kDefaultTimeoutMs);
    // Closes the desktop's picker if a pick is still outstanding.
    ~PortalColorPicker() override;

    Availability State() const override { return mState; }
    void Pick(QWidget* Parent) override;
    void Cancel() override;

    // The plain RGB colour of the portal's red, green and blue fractions (nominally 0..1): each
    // times 255, rounded to the nearest integer with halves to even, clamped to 0..255; NaN
    // gives 0.
    static OLE_COLOR ColorFromFractions(double Red, double Green, double Blue);

    // Whether a desktop portal runs on Bus or the bus can start one. Asks the bus daemon only,
    // never the portal, so it answers without waiting for a portal to start.
    static bool PortalPresent(const QDBusConnection& Bus);

private:
    void ReadVersion();
    void VersionRead(const QDBusPendingCallWatcher& Watcher);
    void CallPickColor();
    void Answered(uint Response, const QVariantMap& Results);
    void CallFailed(const QDBusError& Error);
    void Finish(Outcome Result, OLE_COLOR Color = -1, const QString& Failure = {});

    QDBusConnection mBus;
    int mTimeoutMs;
    Availability mState = Availability::Checking;
    bool mReadingVersion = false;
    // A pick is outstanding: waiting for the version, the reply to PickColor or the Response.
    bool mPicking = false;
    QString mParentWindow;
    PortalRequest mRequest;
};

} // namespace Platform
