#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <optional>

class QDBusMessage;
class QDBusPendingCallWatcher;
class QWidget;

namespace Platform {

// One call at a time of an XDG desktop portal method that answers through a request object
// (org.freedesktop.portal.Request): the method's reply names the object, whose Response signal
// carries the answer later, when the desktop (or the user) has decided.
//
// Each call gets a handle token of its own, and the Response of the request object that the
// token names is subscribed to before the call goes out, so that no answer is lost however
// quickly the desktop gives it; a portal that puts the request elsewhere (one older than the
// handle tokens) is followed there. A call that is given up (Cancel, or this object going away)
// or whose reply does not come in time has its request object closed (Request.Close), so that
// the desktop does not go on with it for nobody; so has the object named by a reply that comes
// after its call was given up. The answer itself is waited for as long as it takes.
class PortalRequest final : public QObject {
    Q_OBJECT

public:
    // How long QtDBus waits for a method's reply by default.
    static constexpr int kDefaultTimeoutMs = 25000;

    // TimeoutMs: how long the reply to the method call may take (> 0), not the answer.
    explicit PortalRequest(const QDBusConnection& Bus, int TimeoutMs = kDefaultTimeoutMs,
                           QObject* Parent = nullptr);
    // Gives up a call that is still outstanding.
    ~PortalRequest() override;

    // A call is outstanding: waiting for its reply or its answer.
    bool Busy() const { return mBusy; }

    // Calls Method of the portal's Interface with Arguments and then Options, to which the
    // handle token is added. Ignored while Busy. Exactly one Answered or Failed follows, later,
    // from the event loop, unless Cancel comes first.
    void Call(const QString& Interface, const QString& Method, const QVariantList& Arguments,
              QVariantMap Options);

    // Gives up the outstanding call, if any, and closes its request object. Nothing follows for
    // it.
    void Cancel();

    // Errors that say the portal, its interface or the method is not there at all, as opposed to
    // one that passes (a timeout, a portal busy starting, a refusal).
    static bool MeansMissing(const QDBusError& Error);

    // The error in words for the user: what went wrong, with the portal's own name and message.
    static QString Describe(const QDBusError& Error);

    // The identifier by which the desktop puts its dialogs over Window (may be null): "x11:"
    // and the window's id in hexadecimal on X11, "" elsewhere (Qt gives no exported Wayland
    // surface handle, so there the desktop places its dialogs on its own).
    static QString ParentWindow(const QWidget* Window);

signals:
    // The desktop's answer: 0 success, 1 cancelled by the user, anything else another failure;
    // Results as the method describes them.
    void Answered(uint Response, const QVariantMap& Results);
    // The call itself failed, or its reply did not come in time; no answer follows.
    void Failed(const QDBusError& Error);

private slots:
    // QtDBus connects bus signals to slots by name only.
    void Request_Response(uint Response, const QVariantMap& Results, const QDBusMessage& Message);

private:
    void Replied(const QDBusPendingCallWatcher& Watcher, quint64 Serial);
    void Answer(uint Response, const QVariantMap& Results);
    void Subscribe(const QString& RequestPath);
    void Unsubscribe();
    void CloseRequest(const QString& RequestPath);

    QDBusConnection mBus;
    int mTimeoutMs;
    bool mBusy = false;
    // Counts the calls, so that a late reply to a call that has ended is known as such.
    quint64 mSerial = 0;
    // The request object whose Response is followed, "" when none; until the reply, the one
    // that the handle token names.
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
