#include "dialogs/updatecheck.h"

#include "localisation/captiontable.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace parlora {

namespace {
// The version file's body when it could not be read back.
constexpr qint32 InputPastEndOfFile = 62;
constexpr qint32 NoVersionAnnounced = downloaderror::ApplicationBase + 1010;
} // namespace

UpdateCheckOutcome::Result compareWithProgramVersion(const QVersionNumber &announced)
{
    const QVersionNumber ours = QVersionNumber::fromString(QLatin1String(ProgramVersionText));
    return QVersionNumber::compare(announced, ours) > 0 ? UpdateCheckOutcome::NewerVersion
                                                         : UpdateCheckOutcome::UpToDate;
}

QString versionFileAddress(const QString &serverAddress)
{
    return serverAddress + VersionFilePath;
}

QString downloadPageAddress(const QString &serverAddress)
{
    return serverAddress + DownloadPagePath;
}

QString localVersionFilePath(const QString &downloadFolder)
{
    const QString folder = downloadFolder.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/parlora")
        : downloadFolder;
    return folder + QLatin1Char('/') + VersionFileName;
}

UpdateCheck::UpdateCheck(QObject *parent) : QObject(parent)
{
    connect(&m_download, &HttpDownload::finished, this, &UpdateCheck::downloaded);
}

void UpdateCheck::start(const UpdateCheckSetup &setup)
{
    m_localFile = localVersionFilePath(setup.downloadFolder);
    m_waiting = true;
    // The download writes the file atomically; its folder must exist.
    (void)QDir().mkpath(QFileInfo(m_localFile).absolutePath());
    m_download.start(versionFileAddress(setup.serverAddress), m_localFile, setup.limits);
}

void UpdateCheck::downloaded(const DownloadResult &result)
{
    m_waiting = false;
    if (!result) {
        emit finished({UpdateCheckOutcome::Failed, result});
        return;
    }
    const FileBytes file = readDataFile(m_localFile);
    if (!file.ok) {
        emit finished({UpdateCheckOutcome::Failed,
                       DownloadResult::failure(InputPastEndOfFile, QStringLiteral("Input past end of file"))});
        return;
    }
    const std::optional<QVersionNumber> version = announcedVersion(file.bytes);
    if (!version) {
        emit finished({UpdateCheckOutcome::Failed,
                       DownloadResult::failure(NoVersionAnnounced,
                                               QStringLiteral("The server's answer is not a version number"))});
        return;
    }
    emit finished({compareWithProgramVersion(*version), {}});
}

} // namespace parlora
