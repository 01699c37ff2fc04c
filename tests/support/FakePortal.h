#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QStringList>
#include <QVariantMap>

// A desktop portal of our own on the tests' private session bus, on a connection of its own:
// the service org.freedesktop.portal.Desktop with the Screenshot interface's version property,
// its PickColor and Screenshot and the request objects they make. What it is and how it answers
// is set by the test before the program asks; nothing is on the bus before Register.
class FakePortal final : public QDBusVirtualObject {
public:
    // How PickColor or Screenshot answers.
    enum class Reply {
        Respond,       // the request's handle, then at once its Response
        Hold,          // the request's handle and no Response, as while the user has not chosen
        ResponseFirst, // the Response before the handle, as a quick desktop may
        OwnPath,       // as a portal before handle tokens: the request at a path of its own
        Refuse,        // an AccessDenied error instead of a handle
        Hang,          // nothing at all, as a portal that hangs
        Missing        // Screenshot only: an unknown method, as on a portal without it
    };
    struct Request {
        QString method; // "PickColor" or "Screenshot"
        QString caller; // the caller's unique name
        QVariantMap options;
        QString path; // of the request object
    };

    FakePortal();
    ~FakePortal() override;

    // Takes the portal's name and serves its objects; false where the bus refuses.
    bool Register();
    // PickColor answers with the colour of these fractions (response 0).
    void AnswerColor(double Red, double Green, double Blue);
    // PickColor answers with Response and no results (1 cancelled, 2 another error).
    void AnswerResponse(uint Response) { mPickColorAnswer = {Response, {}}; }
    // Screenshot answers with the uri of the file at Path (response 0), or with Response.
    void AnswerScreenshot(const QString& Path);
    void AnswerScreenshotResponse(uint Response) { mScreenshotAnswer = {Response, {}}; }

    uint version = 2;
    Reply reply = Reply::Respond;
    Reply screenshotReply = Reply::Respond;
    QList<Request> requests;
    QStringList closed; // request paths on which Close was called

private:
    struct Answer {
        uint response = 0;
        QVariantMap results;
    };
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;
    void Call(const QDBusMessage& message, Reply how, const Answer& answer);
    void Respond(const Request& request, const Answer& answer);

    QDBusConnection mBus;
    Answer mPickColorAnswer;
    Answer mScreenshotAnswer;
};
