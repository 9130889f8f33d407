#pragma once

#include "dialogs/productlinks.h"
#include "platform/httpdownload.h"
#include "platform/versionfile.h"

#include <QObject>
#include <QString>
#include <QVersionNumber>

#include <optional>

namespace parlora {

// Where the check looks and what it may download. Tests point it at a local
// server and a temporary folder.
struct UpdateCheckSetup {
    // Empty in a build without an update server: the check is not offered.
    QString serverAddress = UpdateServerAddress;
    // Where the downloaded version file goes; empty means the user's cache
    // folder (never the current folder, which may hold a file of the user's).
    QString downloadFolder;
    DownloadLimits limits;
};

struct UpdateCheckOutcome {
    enum Result { Failed, UpToDate, NewerVersion };
    Result result = Failed;
    // Why the check failed, for the message that says so.
    DownloadResult failure;
};

// Newer only when it is a higher number, part by part: "3.10" is newer than
// "3.9", and "3.0" is not newer than "3.1".
UpdateCheckOutcome::Result compareWithProgramVersion(const QVersionNumber &announced);

QString versionFileAddress(const QString &serverAddress);
QString downloadPageAddress(const QString &serverAddress);
QString localVersionFilePath(const QString &downloadFolder);

// Downloads the version file and compares it with this program's version,
// without blocking the window: the answer comes through finished().
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    explicit UpdateCheck(QObject *parent = nullptr);

    void start(const UpdateCheckSetup &setup);
    bool isRunning() const { return m_download.isRunning() || m_waiting; }

signals:
    void finished(const parlora::UpdateCheckOutcome &outcome);

private:
    void downloaded(const DownloadResult &result);

    HttpDownload m_download;
    QString m_localFile;
    bool m_waiting = false;
};

} // namespace parlora
