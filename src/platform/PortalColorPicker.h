#pragma once

#include "platform/DesktopColorPicker.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariantMap>
#include <optional>

class QDBusPendingCallWatcher;

namespace Platform {

// The desktop's colour picker through the XDG desktop portal: PickColor of the interface
// org.freedesktop.portal.Screenshot, which GNOME, KDE and other desktops offer with
// xdg-desktop-portal on the session bus. PickColor came with version 2 of that interface; an
// older portal, or none, leaves picking unavailable.
//
// The interface's version is read asynchronously as soon as the picker is made; a Pick before
// the answer waits for it. A version that could not be read for a passing reason (a timeout)
// is read again by the next Pick. Each pick subscribes to the Response of its request object
// before it calls PickColor, under a handle token of its own, so that no answer is lost however
// quickly the desktop gives it; a portal that puts the request elsewhere (one older than the
// handle tokens) is followed there.
class PortalColorPicker final : public DesktopColorPicker {
    Q_OBJECT

public:
    explicit PortalColorPicker(const QDBusConnection& Bus = QDBusConnection::sessionBus(),
                               QObject* Parent = nullptr);
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

private slots:
    // QtDBus connects bus signals to slots by name only.
    void Request_Response(uint Response, const QVariantMap& Results, const QDBusMessage& Message);

private:
    void ReadVersion();
    void VersionRead(const QDBusPendingCallWatcher& Watcher);
    void CallPickColor();
    void PickColorReplied(const QDBusPendingCallWatcher& Watcher, quint64 Serial);
    void Answered(uint Response, const QVariantMap& Results);
    void Subscribe(const QString& RequestPath);
    void Unsubscribe();
    void CloseRequest(const QString& RequestPath);
    void Finish(Outcome Result, OLE_COLOR Color = -1);

    QDBusConnection mBus;
    Availability mState = Availability::Checking;
    bool mReadingVersion = false;
    // A pick is outstanding: waiting for the version, the reply to PickColor or the Response.
    bool mPicking = false;
    // Counts the picks, so that a late reply to a pick that has ended is known as such.
    quint64 mSerial = 0;
    QString mParentWindow;
    // The request object whose Response is followed, "" when none; until the reply to
    // PickColor, the one that the handle token names.
    QString mRequestPath;
    bool mReplyPending = false;
    // A Response on another request object before the reply: perhaps ours, if the reply names
    // that object.
    struct EarlyResponse {
        QString path;
        uint response = 0;
        QVariantMap results;
    };
    std::optional<EarlyResponse> mEarlyResponse;
};

} // namespace Platform
