#include "PortalColorPicker.h"

#include "common/Rounding.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QDBusVariant>
#include <algorithm>
#include <optional>

namespace Platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kDesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
constexpr uint kFirstVersionWithPickColor = 2;

// The Response codes of a portal request.
constexpr uint kResponseSuccess = 0;
constexpr uint kResponseCancelled = 1;

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

PortalColorPicker::PortalColorPicker(const QDBusConnection& Bus, QObject* Parent, int TimeoutMs)
    : DesktopColorPicker(Parent), mBus(Bus), mTimeoutMs(TimeoutMs), mRequest(Bus, TimeoutMs) {
    connect(&mRequest, &PortalRequest::Answered, this, &PortalColorPicker::Answered);
    connect(&mRequest, &PortalRequest::Failed, this, &PortalColorPicker::CallFailed);
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
    mParentWindow = PortalRequest::ParentWindow(Parent);
    if (mState == Availability::Available) {
        CallPickColor();
        return;
    }
    // Not known yet, or none found so far: a portal may have come since.
    if (!mReadingVersion) {
        ReadVersion();
    }
    if (mState == Availability::Unavailable) {
        // Never from inside Pick: the caller may still be setting up for the answer.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (mPicking && !mReadingVersion) {
                    Finish(Outcome::Unavailable);
                }
            },
            Qt::QueuedConnection);
    }
    // Otherwise VersionRead goes on with the pick.
}

void PortalColorPicker::Cancel() {
    mPicking = false;
    mRequest.Cancel();
}

void PortalColorPicker::ReadVersion() {
    if (!mBus.isConnected()) {
        mState = Availability::Unavailable; // no session bus, so no portal
        return;
    }
    mState = Availability::Checking;
    mReadingVersion = true;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kDesktopPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kScreenshot << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(mBus.asyncCall(get, mTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        VersionRead(*finished);
    });
}

void PortalColorPicker::VersionRead(const QDBusPendingCallWatcher& Watcher) {
    mReadingVersion = false;
    const QDBusPendingReply<QDBusVariant> reply = Watcher;
    if (reply.isError()) {
        if (PortalRequest::MeansMissing(reply.error())) {
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
        // The portal did not answer; the next pick asks again.
        Finish(Outcome::Failed, -1, PortalRequest::Describe(reply.error()));
        break;
    }
}

void PortalColorPicker::CallPickColor() {
    mRequest.Call(kScreenshot, QStringLiteral("PickColor"), {mParentWindow}, {});
}

void PortalColorPicker::Answered(uint Response, const QVariantMap& Results) {
    if (Response == kResponseSuccess) {
        const std::optional<OLE_COLOR> color = ColorOfResults(Results);
        if (color) {
            Finish(Outcome::Picked, *color);
        } else {
            Finish(Outcome::Failed, -1,
                   QStringLiteral("The desktop's color picker answered without a color."));
        }
    } else if (Response == kResponseCancelled) {
        Finish(Outcome::Cancelled);
    } else {
        // Some desktops answer so when the user cancels, too.
        Finish(
            Outcome::Failed, -1,
            QStringLiteral("The desktop's color picker ended without a color (response %1).").arg(Response));
    }
}

void PortalColorPicker::CallFailed(const QDBusError& Error) {
    if (PortalRequest::MeansMissing(Error)) {
        mState = Availability::Unavailable;
        Finish(Outcome::Unavailable);
    } else {
        Finish(Outcome::Failed, -1, PortalRequest::Describe(Error));
    }
}

void PortalColorPicker::Finish(Outcome Result, OLE_COLOR Color, const QString& Failure) {
    mPicking = false;
    emit Finished(Result, Color, Failure);
}

} // namespace Platform
