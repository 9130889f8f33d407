#pragma once

#include <QObject>
#include <QPointer>
#include <QSaveFile>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace parlora {

// How long and how large a download may get before it is given up. A server
// that hangs or sends without end must not hold the program or fill the disk.
struct DownloadLimits {
    std::chrono::milliseconds timeout{15000};
    qint64 maxBytes = 1024 * 1024;
};

// Error numbers a failed download carries, in the numbering the program has
// always used for them: small numbers for the runtime's own errors, the
// application range (0x80040000 plus an offset) for the download's.
namespace downloaderror {
inline constexpr qint32 InvalidArgument = 5;
inline constexpr qint32 DeviceIo = 57;
inline constexpr qint32 PathFileAccess = 75;
inline constexpr qint32 ApplicationBase = qint32(0x80040000u);
inline constexpr qint32 OpenUrlFailed = ApplicationBase + 1000;
inline constexpr qint32 TimedOut = ApplicationBase + 1001;
inline constexpr qint32 TooLarge = ApplicationBase + 1002;
inline constexpr qint32 BrokenOff = ApplicationBase + 1003;
inline constexpr qint32 HttpStatus = ApplicationBase + 1004;
} // namespace downloaderror

// The outcome of a download: on failure a number and a description.
struct DownloadResult {
    bool ok = true;
    qint32 errorNumber = 0;
    QString description;

    static DownloadResult failure(qint32 number, QString text) { return {false, number, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

// Fetches an address with a plain GET (system proxy settings) and writes the
// body, in the order it arrives, to a file, without ever blocking the event
// loop: the caller learns the outcome from finished(). Only an answer with
// HTTP status 200 is a download: an error page is a failure, and so are a
// time-out, a body over the size cap and a broken connection. The file is
// replaced only by a complete download; a failure leaves it as it was.
class HttpDownload : public QObject {
    Q_OBJECT
public:
    explicit HttpDownload(QObject *parent = nullptr);
    ~HttpDownload() override;

    // Starts the download; a download still running is given up first.
    // finished() always follows, also for arguments that cannot work.
    void start(const QString &url, const QString &fileName, const DownloadLimits &limits = {});
    bool isRunning() const { return m_reply != nullptr; }

signals:
    void finished(const parlora::DownloadResult &result);

private:
    void drain();
    void fail(DownloadResult result);
    void complete();
    void finishWith(DownloadResult result);

    std::unique_ptr<QNetworkAccessManager> m_manager;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QSaveFile> m_file;
    QTimer m_deadline;
    DownloadLimits m_limits;
    qint64 m_received = 0;
    std::optional<DownloadResult> m_failure;
};

} // namespace parlora
