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

DownloadResult openUrlFailed()
{
    return DownloadResult::failure(downloaderror::OpenUrlFailed,
                                   QStringLiteral("An error occurred calling InternetOpenUrl function"));
}

constexpr int HttpOk = 200;

} // namespace

HttpDownload::HttpDownload(QObject *parent) : QObject(parent)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        fail(DownloadResult::failure(downloaderror::TimedOut,
                                     QStringLiteral("The download did not finish in time")));
    });
}

HttpDownload::~HttpDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void HttpDownload::start(const QString &url, const QString &fileName, const DownloadLimits &limits)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    m_limits = limits;
    m_received = 0;
    m_failure.reset();
    m_file.reset();

    // Answers that need no network still arrive through the event loop, as
    // every other outcome does.
    const auto failSoon = [this](DownloadResult result) {
        QTimer::singleShot(0, this, [this, result] { emit finished(result); });
    };
    if (url.isEmpty() || fileName.isEmpty())
        return failSoon(DownloadResult::failure(downloaderror::InvalidArgument,
                                                QStringLiteral("Invalid procedure call or argument")));
    const QUrl address(url, QUrl::StrictMode);
    if (!address.isValid() || address.isRelative())
        return failSoon(openUrlFailed());

    if (!m_manager) {
        m_manager = std::make_unique<QNetworkAccessManager>();
        m_manager->setProxyFactory(new SystemProxyFactory);
    }
    m_file = std::make_unique<QSaveFile>(fileName);
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, agentName());
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpDownload::drain);
    connect(m_reply, &QNetworkReply::finished, this, &HttpDownload::complete);
    m_deadline.start(m_limits.timeout);
}

void HttpDownload::fail(DownloadResult result)
{
    if (!m_failure)
        m_failure = std::move(result);
    if (m_reply)
        m_reply->abort();
}

void HttpDownload::drain()
{
    if (m_failure || !m_reply)
        return;
    // An error page is not the file asked for: nothing of it is kept.
    const QVariant status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() != HttpOk) {
        fail(DownloadResult::failure(downloaderror::HttpStatus,
                                     QStringLiteral("The server answered with HTTP status %1").arg(status.toInt())));
        return;
    }
    if (!m_file->isOpen() && !m_file->open(QIODevice::WriteOnly)) {
        fail(DownloadResult::failure(downloaderror::PathFileAccess, QStringLiteral("Path/File access error")));
        return;
    }
    while (m_reply->bytesAvailable() > 0) {
        const QByteArray chunk = m_reply->read(ReadChunkSize);
        m_received += chunk.size();
        if (m_received > m_limits.maxBytes) {
            fail(DownloadResult::failure(downloaderror::TooLarge,
                                         QStringLiteral("The download is larger than the size limit")));
            return;
        }
        if (m_file->write(chunk) != chunk.size()) {
            fail(DownloadResult::failure(downloaderror::DeviceIo, QStringLiteral("Device I/O error")));
            return;
        }
    }
}

void HttpDownload::complete()
{
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    const QNetworkReply::NetworkError error = reply->error();
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    // Whatever arrived after the last readyRead; also opens the file for an
    // empty body, which is a valid (empty) download, and checks the status.
    drain();
    if (!m_failure && error != QNetworkReply::NoError && !isHttpLevelError(error))
        m_failure = answered ? DownloadResult::failure(downloaderror::BrokenOff,
                                                       QStringLiteral("The connection broke off during the download"))
                             : openUrlFailed();
    if (!m_failure && error != QNetworkReply::NoError)
        m_failure = DownloadResult::failure(downloaderror::HttpStatus, reply->errorString());
    m_reply = nullptr;
    reply->deleteLater();

    if (m_failure) {
        m_file->cancelWriting();
        return finishWith(*m_failure);
    }
    if (!m_file->commit())
        return finishWith(
            DownloadResult::failure(downloaderror::PathFileAccess, QStringLiteral("Path/File access error")));
    finishWith({});
}

void HttpDownload::finishWith(DownloadResult result)
{
    m_file.reset();
    emit finished(result);
}

} // namespace parlora
