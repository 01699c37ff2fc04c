#include "support/FakePortal.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QUrl>
#include <utility>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kDesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kConnectionName = QStringLiteral("tintrix-fake-portal");

// The portal's colour: a structure of three doubles, "(ddd)".
struct PortalColor {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalColor& color) {
    argument.beginStructure();
    argument << color.red << color.green << color.blue;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalColor& color) {
    argument.beginStructure();
    argument >> color.red >> color.green >> color.blue;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(PortalColor)

FakePortal::FakePortal() : mBus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName)) {
    qDBusRegisterMetaType<PortalColor>();
}

FakePortal::~FakePortal() {
    mBus.unregisterService(kService);
    mBus.unregisterObject(kDesktopPath, QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(kConnectionName);
}

bool FakePortal::Register() {
    return mBus.registerVirtualObject(kDesktopPath, this, QDBusConnection::SubPath) &&
           mBus.registerService(kService);
}

void FakePortal::AnswerColor(double Red, double Green, double Blue) {
    AnswerResponse(0, {{QStringLiteral("color"), QVariant::fromValue(PortalColor{Red, Green, Blue})}});
}

void FakePortal::AnswerResponse(uint Response, const QVariantMap& Results) {
    mPickColorAnswer = {Response, Results};
}

void FakePortal::AnswerScreenshot(const QString& Path) {
    mScreenshotAnswer = {0, {{QStringLiteral("uri"), QUrl::fromLocalFile(Path).toString()}}};
}

void FakePortal::Release() {
    const auto held = std::exchange(mHeld, {});
    for (const auto& [request, answer] : held) {
        Respond(request, answer);
    }
}

QString FakePortal::introspect(const QString&) const {
    return {};
}

bool FakePortal::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    const QString member = message.member();
    if (message.path() == kDesktopPath && message.interface() == kProperties && member == "Get") {
        const QList<QVariant> arguments = message.arguments();
        if (arguments.value(0).toString() == kScreenshot && arguments.value(1).toString() == "version") {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(version))));
        } else {
            connection.send(message.createErrorReply(QDBusError::InvalidArgs, "no such property"));
        }
        return true;
    }
    if (message.path() == kDesktopPath && message.interface() == kScreenshot && member == "PickColor" &&
        hasPickColor) {
        Call(message, reply, mPickColorAnswer);
        return true;
    }
    if (message.path() == kDesktopPath && message.interface() == kScreenshot && member == "Screenshot" &&
        hasScreenshot) {
        Call(message, screenshotReply, mScreenshotAnswer);
        return true;
    }
    if (message.path().startsWith(kDesktopPath + "/request/") && message.interface() == kRequest &&
        member == "Close") {
        closed.append(message.path());
        connection.send(message.createReply());
        return true;
    }
    connection.send(message.createErrorReply(QDBusError::UnknownMethod, "no such method: " + member));
    return true;
}

void FakePortal::Call(const QDBusMessage& message, Reply how, const Answer& answer) {
    const QList<QVariant> arguments = message.arguments();
    Request request;
    request.method = message.member();
    request.caller = message.service();
    request.parentWindow = arguments.value(0).toString();
    request.options = qdbus_cast<QVariantMap>(arguments.value(1));
    QString sender = request.caller.mid(1);
    sender.replace('.', '_');
    const QString token = how == Reply::OwnPath ? QStringLiteral("portal%1").arg(requests.size())
                                                : request.options.value("handle_token").toString();
    request.path = kDesktopPath + "/request/" + sender + "/" + token;
    requests.append(request);

    if (how == Reply::Refuse) {
        mBus.send(message.createErrorReply(refusal, "refused"));
    } else if (how != Reply::Hang) {
        if (how == Reply::ResponseFirst) {
            Respond(request, answer);
        }
        mBus.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request.path))));
        if (how == Reply::Respond || how == Reply::OwnPath) {
            Respond(request, answer);
        } else if (how == Reply::Hold) {
            mHeld.append({request, answer});
        }
    }
    emit Called();
}

void FakePortal::Respond(const Request& request, const Answer& answer) {
    QDBusMessage response =
        QDBusMessage::createTargetedSignal(request.caller, request.path, kRequest, "Response");
    response << answer.response << answer.results;
    mBus.send(response);
}
