#include "support/FakePortal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QUrl>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kConnectionName = QStringLiteral("tintrix-fake-portal");

} // namespace

FakePortal::FakePortal()
    : mBus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName)) {}

FakePortal::~FakePortal() {
    mBus.unregisterService(kService);
    mBus.unregisterObject(kPath, QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(kConnectionName);
}

bool FakePortal::Register() {
    return mBus.registerVirtualObject(kPath, this, QDBusConnection::SubPath) &&
           mBus.registerService(kService);
}

void FakePortal::AnswerColor(double Red, double Green, double Blue) {
    QDBusArgument color; // the portal's colour: a structure of three doubles, "(ddd)"
    color.beginStructure();
    color << Red << Green << Blue;
    color.endStructure();
    mPickColorAnswer = {0, {{QStringLiteral("color"), QVariant::fromValue(color)}}};
}

void FakePortal::AnswerScreenshot(const QString& Path) {
    mScreenshotAnswer = {0, {{QStringLiteral("uri"), QUrl::fromLocalFile(Path).toString()}}};
}

bool FakePortal::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    const QString member = message.member();
    if (member == "Get" && message.arguments().value(1).toString() == "version" && message.path() == kPath) {
        connection.send(message.createReply(QVariant::fromValue(QDBusVariant(version))));
    } else if (member == "Close" && message.path().startsWith(kPath + "/request/")) {
        closed.append(message.path());
        connection.send(message.createReply());
    } else if (member == "PickColor" && message.path() == kPath) {
        Call(message, reply, mPickColorAnswer);
    } else if (member == "Screenshot" && screenshotReply != Reply::Missing && message.path() == kPath) {
        Call(message, screenshotReply, mScreenshotAnswer);
    } else {
        connection.send(message.createErrorReply(QDBusError::UnknownMethod, "no such method: " + member));
    }
    return true;
}

void FakePortal::Call(const QDBusMessage& message, Reply how, const Answer& answer) {
    Request request{
        message.member(), message.service(), qdbus_cast<QVariantMap>(message.arguments().value(1)), {}};
    const QString token = how == Reply::OwnPath ? QStringLiteral("portal%1").arg(requests.size())
                                                : request.options.value("handle_token").toString();
    request.path = kPath + "/request/" + request.caller.mid(1).replace('.', '_') + "/" + token;
    requests.append(request);
    if (how != Reply::Hang) {
        if (how == Reply::ResponseFirst) {
            Respond(request, answer);
        }
        mBus.send(how == Reply::Refuse
                      ? message.createErrorReply("org.freedesktop.DBus.Error.AccessDenied", "refused")
                      : message.createReply(QVariant::fromValue(QDBusObjectPath(request.path))));
        if (how == Reply::Respond || how == Reply::OwnPath) {
            Respond(request, answer);
        }
    }
}

void FakePortal::Respond(const Request& request, const Answer& answer) {
    QDBusMessage response = QDBusMessage::createTargetedSignal(request.caller, request.path,
                                                               "org.freedesktop.portal.Request", "Response");
    response << answer.response << answer.results;
    mBus.send(response);
}
