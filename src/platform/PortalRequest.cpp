#include "PortalRequest.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QWidget>
#include <utility>

namespace Platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kDesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// The request object the portal makes for a call from the connection with UniqueName under
// Token: /org/freedesktop/portal/desktop/request/SENDER/TOKEN, SENDER being the unique name
// without its ":" and with "_" for every ".".
QString ExpectedRequestPath(QString UniqueName, const QString& Token) {
    UniqueName.remove(0, UniqueName.startsWith(':') ? 1 : 0).replace('.', '_');
    return kDesktopPath + QStringLiteral("/request/") + UniqueName + '/' + Token;
}

bool IsTimeout(const QDBusError& Error) {
    return Error.type() == QDBusError::NoReply || Error.type() == QDBusError::Timeout;
}

} // namespace

PortalRequest::PortalRequest(const QDBusConnection& Bus, int TimeoutMs, QObject* Parent)
    : QObject(Parent), mBus(Bus), mTimeoutMs(TimeoutMs) {}

PortalRequest::~PortalRequest() {
    Cancel();
}

bool PortalRequest::MeansMissing(const QDBusError& Error) {
    switch (Error.type()) {
    case QDBusError::Disconnected: // no session bus, so no portal
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownProperty:
    case QDBusError::InvalidArgs: // how a portal's Properties.Get refuses an interface it lacks
        return true;
    default:
        return false;
    }
}

QString PortalRequest::Describe(const QDBusError& Error) {
    if (IsTimeout(Error)) {
        return QStringLiteral("The desktop portal did not answer.");
    }
    QString words = QStringLiteral("The desktop portal reported an error: ") + Error.name();
    if (!Error.message().isEmpty()) {
        words += QStringLiteral(" (") + Error.message() + ')';
    }
    return words + '.';
}

QString PortalRequest::ParentWindow(const QWidget* Window) {
    if (Window == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return {};
    }
    return QStringLiteral("x11:") + QString::number(Window->window()->winId(), 16);
}

void PortalRequest::Call(const QString& Interface, const QString& Method, const QVariantList& Arguments,
                         QVariantMap Options) {
    if (mBusy) {
        return;
    }
    mBusy = true;
    ++mSerial;
    const QString token =
        QStringLiteral("tintrix_%1_%2").arg(mSerial).arg(QRandomGenerator::global()->generate());
    Subscribe(ExpectedRequestPath(mBus.baseService(), token));

    Options.insert(QStringLiteral("handle_token"), token);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kDesktopPath, Interface, Method);
    call.setArguments(Arguments);
    call << Options;
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(call, mTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, serial = mSerial](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                Replied(*finished, serial);
            });
}

void PortalRequest::Cancel() {
    if (!mBusy) {
        return;
    }
    mBusy = false;
    if (!mRequestPath.isEmpty()) {
        CloseRequest(mRequestPath);
        Unsubscribe();
    }
}

void PortalRequest::Replied(const QDBusPendingCallWatcher& Watcher, quint64 Serial) {
    const QDBusPendingReply<QDBusObjectPath> reply = Watcher;
    if (!mBusy || Serial != mSerial) {
        // The call ended before this reply: given up, or answered already. Closing an answered
        // request does no harm; a given-up one must not stay on the screen.
        if (!reply.isError()) {
            CloseRequest(reply.value().path());
        }
        return;
    }
    if (reply.isError()) {
        // A portal that hangs may still make the request when it recovers: closed now, it is
        // closed then.
        if (IsTimeout(reply.error())) {
            CloseRequest(mRequestPath);
        }
        Unsubscribe();
        mBusy = false;
        emit Failed(reply.error());
        return;
    }
    mReplyPending = false;
    const QString path = reply.value().path();
    if (path != mRequestPath) {
        // A portal older than the handle tokens names its request object only now, and may
        // have answered on it already.
        mRequestPath = path;
        if (mEarlyResponse && mEarlyResponse->path == path) {
            const EarlyResponse early = *std::exchange(mEarlyResponse, std::nullopt);
            Answer(early.response, early.results);
        }
    }
}

void PortalRequest::Request_Response(uint Response, const QVariantMap& Results, const QDBusMessage& Message) {
    if (!mBusy) {
        return;
    }
    if (Message.path() == mRequestPath) {
        Answer(Response, Results);
    } else if (mReplyPending) {
        mEarlyResponse = EarlyResponse{Message.path(), Response, Results};
    }
}

void PortalRequest::Answer(uint Response, const QVariantMap& Results) {
    Unsubscribe();
    mBusy = false;
    emit Answered(Response, Results);
}

void PortalRequest::Subscribe(const QString& RequestPath) {
    mRequestPath = RequestPath;
    mReplyPending = true;
    // Every request object's Response: a portal that puts the request elsewhere may answer
    // before its reply says where.
    mBus.connect(kService, QString(), kRequest, QStringLiteral("Response"), this,
                 SLOT(Request_Response(uint, QVariantMap, QDBusMessage)));
}

void PortalRequest::Unsubscribe() {
    if (mRequestPath.isEmpty()) {
        return;
    }
    mBus.disconnect(kService, QString(), kRequest, QStringLiteral("Response"), this,
                    SLOT(Request_Response(uint, QVariantMap, QDBusMessage)));
    mRequestPath.clear();
    mReplyPending = false;
    mEarlyResponse.reset();
}

void PortalRequest::CloseRequest(const QString& RequestPath) {
    // Nothing waits for the answer: a request that is gone already is just as closed.
    mBus.asyncCall(QDBusMessage::createMethodCall(kService, RequestPath, kRequest, QStringLiteral("Close")));
}

} // namespace Platform
