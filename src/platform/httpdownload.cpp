#include "platform/httpdownload.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace parlora {

namespace {

// The body is taken in pieces of this size, so a large answer never sits in
// memory twice.
constexpr qint64 ReadChunkSize = 4096;

// Follows the desktop's proxy configuration for this manager only, without
// changing the proxy of every other connection the process might make.
class SystemProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override
    {
        return systemProxyForQuery(query);
    }
};

// Servers see the program's name, as they always have.
QByteArray agentName()
{
    const QString executable = QCoreApplication::applicationFilePath();
    const QString name = executable.isEmpty() ? QCoreApplication::applicationName()
                                              : QFileInfo(executable).completeBaseName();
    return name.toUtf8();
}

// An HTTP error status still comes with a body worth keeping (the caller
// decides what an error page means); only transport failures lose the answer.
bool isHttpLevelError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

} // namespace

DownloadResult CopyURLToFile(const QString &url, const QString &fileName, const DownloadLimits &limits)
{
    if (url.isEmpty() || fileName.isEmpty())
        return DownloadResult::failure(downloaderror::InvalidArgument,
                                       QStringLiteral("Invalid procedure call or argument"));

    const DownloadResult openUrlFailed = DownloadResult::failure(
        downloaderror::OpenUrlFailed, QStringLiteral("An error occurred calling InternetOpenUrl function"));
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || address.isRelative())
        return openUrlFailed;

    QNetworkAccessManager manager;
    manager.setProxyFactory(new SystemProxyFactory);
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, agentName());
    // The manager and its replies go together at the end of this function.
    QNetworkReply *reply = manager.get(request);

    QSaveFile file(fileName);
    std::optional<DownloadResult> failure;
    qint64 received = 0;

    auto fail = [&](DownloadResult result) {
        if (!failure)
            failure = std::move(result);
        reply->abort();
    };

    auto drain = [&] {
        if (failure)
            return;
        if (!file.isOpen() && !file.open(QIODevice::WriteOnly)) {
            fail(DownloadResult::failure(downloaderror::PathFileAccess, QStringLiteral("Path/File access error")));
            return;
        }
        while (reply->bytesAvailable() > 0) {
            const QByteArray chunk = reply->read(ReadChunkSize);
            received += chunk.size();
            if (received > limits.maxBytes) {
                fail(DownloadResult::failure(downloaderror::TooLarge,
                                             QStringLiteral("The download is larger than the size limit")));
                return;
            }
            if (file.write(chunk) != chunk.size()) {
                fail(DownloadResult::failure(downloaderror::DeviceIo, QStringLiteral("Device I/O error")));
                return;
            }
        }
    };

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        fail(DownloadResult::failure(downloaderror::TimedOut,
                                     QStringLiteral("The download did not finish in time")));
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, drain);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    if (!reply->isFinished()) {
        deadline.start(limits.timeout);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    deadline.stop();

    const QNetworkReply::NetworkError error = reply->error();
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (!failure && error != QNetworkReply::NoError && !isHttpLevelError(error))
        failure = answered ? DownloadResult::failure(downloaderror::BrokenOff,
                                                     QStringLiteral("The connection broke off during the download"))
                           : openUrlFailed;
    // Whatever arrived after the last readyRead; also opens the file for an
    // empty body, which is a valid (empty) download.
    drain();

    if (failure) {
        file.cancelWriting();
        return *failure;
    }
    if (!file.commit())
        return DownloadResult::failure(downloaderror::PathFileAccess, QStringLiteral("Path/File access error"));
    return {};
}

} // namespace parlora
