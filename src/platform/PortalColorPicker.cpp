#include "PortalColorPicker.h"

#include "common/Rounding.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <utility>

namespace Platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kDesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
constexpr uint kFirstVersionWithPickColor = 2;

// The Response codes of a portal request.
constexpr uint kResponseSuccess = 0;
constexpr uint kResponseCancelled = 1;

// Errors that say the portal, its Screenshot interface or PickColor is not there at all, as
// opposed to one that passes (a timeout, a portal busy starting).
bool MeansMissing(const QDBusError& Error) {
    switch (Error.type()) {
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

// The identifier by which the desktop puts its picker over our window. Qt gives no exported
// Wayland surface handle (xdg-foreign), so there the desktop places its picker on its own.
QString ParentWindowIdentifier(const QWidget* Window) {
    if (Window == nullptr || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return {};
    }
    return QStringLiteral("x11:") + QString::number(Window->window()->winId(), 16);
}

// The request object the portal makes for a call from the connection with UniqueName under
// Token: /org/freedesktop/portal/desktop/request/SENDER/TOKEN, SENDER being the unique name
// without its ":" and with "_" for every ".".
QString ExpectedRequestPath(QString UniqueName, const QString& Token) {
    UniqueName.remove(0, UniqueName.startsWith(':') ? 1 : 0).replace('.', '_');
    return kDesktopPath + QStringLiteral("/request/") + UniqueName + '/' + Token;
}

std::optional<OLE_COLOR> ColorOfResults(const QVariantMap& Results) {
    const QVariant color = Results.value(QStringLiteral("color"));
    if (color.metaType() != QMetaType::fromType<QDBusArgument>()) {
        return std::nullopt;
    }
    const auto argument = color.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)")) {
        return std::nullopt;
    }
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    return PortalColorPicker::ColorFromFractions(red, green, blue);
}

int ByteOfFraction(double Fraction) {
    return std::clamp(Rounding::RoundToInt32(Fraction * 255.0), 0, 255);
}

} // namespace

PortalColorPicker::PortalColorPicker(const QDBusConnection& Bus, QObject* Parent)
    : DesktopColorPicker(Parent), mBus(Bus) {
    ReadVersion();
}

PortalColorPicker::~PortalColorPicker() {
    Cancel();
}

OLE_COLOR PortalColorPicker::ColorFromFractions(double Red, double Green, double Blue) {
    return OleColor::Rgb(ByteOfFraction(Red), ByteOfFraction(Green), ByteOfFraction(Blue));
}

bool PortalColorPicker::PortalPresent(const QDBusConnection& Bus) {
    const QDBusConnectionInterface* daemon = Bus.isConnected() ? Bus.interface() : nullptr;
    if (daemon == nullptr) {
        return false;
    }
    const QDBusReply<bool> running = daemon->isServiceRegistered(kService);
    if (running.isValid() && running.value()) {
        return true;
    }
    const QDBusReply<QStringList> startable = daemon->activatableServiceNames();
    return startable.isValid() && startable.value().contains(kService);
}

void PortalColorPicker::Pick(QWidget* Parent) {
    if (mPicking) {
        return;
    }
    mPicking = true;
    ++mSerial;
    mParentWindow = ParentWindowIdentifier(Parent);
    switch (mState) {
    case Availability::Checking:
        if (!mReadingVersion) {
            ReadVersion();
        }
        break; // VersionRead goes on with the pick
    case Availability::Available:
        CallPickColor();
        break;
    case Availability::Unavailable:
        // Never from inside Pick: the caller may still be setting up for the answer.
        QMetaObject::invokeMethod(
            this,
            [this, serial = mSerial] {
                if (mPicking && serial == mSerial) {
                    Finish(Outcome::Unavailable);
                }
            },
            Qt::QueuedConnection);
        break;
    }
}

void PortalColorPicker::Cancel() {
    if (!mPicking) {
        return;
    }
    mPicking = false;
    if (!mRequestPath.isEmpty()) {
        CloseRequest(mRequestPath);
        Unsubscribe();
    }
}

void PortalColorPicker::ReadVersion() {
    if (!mBus.isConnected()) {
        mState = Availability::Unavailable; // no session bus, so no portal
        return;
    }
    mReadingVersion = true;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kDesktopPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kScreenshot << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        VersionRead(*finished);
    });
}

void PortalColorPicker::VersionRead(const QDBusPendingCallWatcher& Watcher) {
    mReadingVersion = false;
    const QDBusPendingReply<QDBusVariant> reply = Watcher;
    if (reply.isError()) {
        if (MeansMissing(reply.error())) {
            mState = Availability::Unavailable;
        }
    } else {
        bool isNumber = false;
        const uint version = reply.value().variant().toUInt(&isNumber);
        mState = isNumber && version >= kFirstVersionWithPickColor ? Availability::Available
                                                                   : Availability::Unavailable;
    }
    if (!mPicking) {
        return;
    }
    switch (mState) {
    case Availability::Available:
        CallPickColor();
        break;
    case Availability::Unavailable:
        Finish(Outcome::Unavailable);
        break;
    case Availability::Checking:
        Finish(Outcome::Failed); // the portal did not answer; the next pick asks again
        break;
    }
}

void PortalColorPicker::CallPickColor() {
    const QString token =
        QStringLiteral("tintrix_%1_%2").arg(mSerial).arg(QRandomGenerator::global()->generate());
    Subscribe(ExpectedRequestPath(mBus.baseService(), token));

    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kDesktopPath, kScreenshot, QStringLiteral("PickColor"));
    call << mParentWindow << QVariantMap{{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, serial = mSerial](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                PickColorReplied(*finished, serial);
            });
}

void PortalColorPicker::PickColorReplied(const QDBusPendingCallWatcher& Watcher, quint64 Serial) {
    const QDBusPendingReply<QDBusObjectPath> reply = Watcher;
    if (!mPicking || Serial != mSerial) {
        // The pick ended before this reply: given up, or answered already. Closing an answered
        // request does no harm; a given-up one must not stay on the screen.
        if (!reply.isError()) {
            CloseRequest(reply.value().path());
        }
        return;
    }
    if (reply.isError()) {
        Unsubscribe();
        if (MeansMissing(reply.error())) {
            mState = Availability::Unavailable;
            Finish(Outcome::Unavailable);
        } else {
            Finish(Outcome::Failed);
        }
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
            Answered(early.response, early.results);
        }
    }
}

void PortalColorPicker::Request_Response(uint Response, const QVariantMap& Results,
                                         const QDBusMessage& Message) {
    if (!mPicking) {
        return;
    }
    if (Message.path() == mRequestPath) {
        Answered(Response, Results);
    } else if (mReplyPending) {
        mEarlyResponse = EarlyResponse{Message.path(), Response, Results};
    }
}

void PortalColorPicker::Answered(uint Response, const QVariantMap& Results) {
    Unsubscribe();
    if (Response == kResponseSuccess) {
        const std::optional<OLE_COLOR> color = ColorOfResults(Results);
        if (color) {
            Finish(Outcome::Picked, *color);
        } else {
            Finish(Outcome::Failed);
        }
    } else {
        Finish(Response == kResponseCancelled ? Outcome::Cancelled : Outcome::Failed);
    }
}

void PortalColorPicker::Subscribe(const QString& RequestPath) {
    mRequestPath = RequestPath;
    mReplyPending = true;
    // Every request object's Response: a portal that puts the request elsewhere may answer
    // before its reply says where.
    mBus.connect(kService, QString(), kRequest, QStringLiteral("Response"), this,
                 SLOT(Request_Response(uint, QVariantMap, QDBusMessage)));
}

void PortalColorPicker::Unsubscribe() {
    if (mRequestPath.isEmpty()) {
        return;
    }
    mBus.disconnect(kService, QString(), kRequest, QStringLiteral("Response"), this,
                    SLOT(Request_Response(uint, QVariantMap, QDBusMessage)));
    mRequestPath.clear();
    mReplyPending = false;
    mEarlyResponse.reset();
}

void PortalColorPicker::CloseRequest(const QString& RequestPath) {
    // Nothing waits for the answer: a request that is gone already is just as closed.
    mBus.asyncCall(QDBusMessage::createMethodCall(kService, RequestPath, kRequest, QStringLiteral("Close")));
}

void PortalColorPicker::Finish(Outcome Result, OLE_COLOR Color) {
    mPicking = false;
    emit Finished(Result, Color);
}

} // namespace Platform
