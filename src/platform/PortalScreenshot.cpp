#include "PortalScreenshot.h"

#include <QDBusError>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

namespace Platform {
namespace {

const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");

// The Response codes of a portal request.
constexpr uint kResponseSuccess = 0;
constexpr uint kResponseCancelled = 1;

// File systems that keep modification times in whole seconds (or two) round them down.
constexpr int kTimestampSlackSeconds = 2;

} // namespace

PortalScreenshot::PortalScreenshot(const QDBusConnection& Bus, QObject* Parent, int TimeoutMs)
    : DesktopScreenshot(Parent), mRequest(Bus, TimeoutMs) {
    connect(&mRequest, &PortalRequest::Answered, this, &PortalScreenshot::Answered);
    connect(&mRequest, &PortalRequest::Failed, this, &PortalScreenshot::CallFailed);
}

void PortalScreenshot::Take(QWidget* Parent) {
    if (mRequest.Busy()) {
        return;
    }
    mAskedAt = QDateTime::currentDateTimeUtc();
    mRequest.Call(kScreenshot, QStringLiteral("Screenshot"), {PortalRequest::ParentWindow(Parent)},
                  {{QStringLiteral("interactive"), false}});
}

void PortalScreenshot::Cancel() {
    mRequest.Cancel();
}

QImage PortalScreenshot::ReadAndDelete(const QString& Path, const QDateTime& AskedAt, QString& Failure) {
    QImageReader reader(Path);
    const QImage image = reader.read();
    if (image.isNull()) {
        Failure =
            QStringLiteral("The desktop's screenshot could not be read (") + reader.errorString() + ").";
    }
    const QFileInfo file(Path);
    if (file.isFile() && !file.isSymLink() &&
        file.lastModified() >= AskedAt.addSecs(-kTimestampSlackSeconds)) {
        QFile::remove(Path);
    }
    return image;
}

void PortalScreenshot::Answered(uint Response, const QVariantMap& Results) {
    if (Response == kResponseCancelled) {
        emit Finished({}, QStringLiteral("The desktop cancelled the screenshot."));
        return;
    }
    if (Response != kResponseSuccess) {
        emit Finished({},
                      QStringLiteral("The desktop did not take a screenshot (not allowed, or it failed)."));
        return;
    }
    const QUrl uri(Results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile()) {
        emit Finished({}, QStringLiteral("The desktop's screenshot is not a file (") + uri.toString() + ").");
        return;
    }
    QString failure;
    const QImage image = ReadAndDelete(uri.toLocalFile(), mAskedAt, failure);
    emit Finished(image, failure);
}

void PortalScreenshot::CallFailed(const QDBusError& Error) {
    emit Finished({}, PortalRequest::MeansMissing(Error)
                          ? QStringLiteral("The desktop offers no screenshots.")
                          : PortalRequest::Describe(Error));
}

} // namespace Platform
