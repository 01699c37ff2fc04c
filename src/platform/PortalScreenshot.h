#pragma once

#include "platform/DesktopScreenshot.h"
#include "platform/PortalRequest.h"

#include <QDBusConnection>
#include <QDateTime>
#include <QString>
#include <QVariantMap>

namespace Platform {

// Still images of the desktop through the XDG desktop portal: Screenshot of the interface
// org.freedesktop.portal.Screenshot, not interactive (no area to choose). The portal writes the
// image to a file of its own (into the user's pictures folder) and answers with its uri; the
// file is read and then deleted, so that no picking leaves a screenshot behind.
//
// Whether the desktop offers screenshots is found out by each Take afresh: a portal may start,
// be installed, or change its mind while the program runs. The call goes through PortalRequest,
// which closes the request when a Take is given up or the portal does not reply in time.
class PortalScreenshot final : public DesktopScreenshot {
    Q_OBJECT

public:
    // TimeoutMs: how long the portal may take to reply to a call (not to answer it, which may
    // wait for the user).
    explicit PortalScreenshot(const QDBusConnection& Bus = QDBusConnection::sessionBus(),
                              QObject* Parent = nullptr, int TimeoutMs = PortalRequest::kDefaultTimeoutMs);

    void Take(QWidget* Parent) override;
    void Cancel() override;

    // The image in the file at Path, which the desktop made for a screenshot asked for at
    // AskedAt; the file is deleted after reading, but only where it is a regular file written
    // since AskedAt (less the second a file system may round away), so that a portal that names
    // another file never makes us delete it. Null, with Failure saying why, where the file holds
    // no readable image.
    static QImage ReadAndDelete(const QString& Path, const QDateTime& AskedAt, QString& Failure);

private:
    void Answered(uint Response, const QVariantMap& Results);
    void CallFailed(const QDBusError& Error);

    PortalRequest mRequest;
    QDateTime mAskedAt;
};

} // namespace Platform
