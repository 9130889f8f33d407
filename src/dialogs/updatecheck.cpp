#include "dialogs/updatecheck.h"

#include "localisation/captiontable.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace parlora {

namespace {
// Reading past the end of the file: an empty download has no first line.
constexpr qint32 InputPastEndOfFile = 62;
} // namespace

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
    return downloadFolder.isEmpty() ? VersionFileName : downloadFolder + QLatin1Char('/') + VersionFileName;
}

QString effectiveDownloadFolder(const QString &downloadFolder)
{
    if (!downloadFolder.isEmpty())
        return downloadFolder;
    // A program started from a menu may have a current folder it cannot
    // write to; the check would then always fail without a word.
    if (QFileInfo(QDir::currentPath()).isWritable())
        return {};
    return QDir::tempPath();
}

UpdateCheckOutcome CheckForUpdate(const UpdateCheckSetup &setup)
{
    const QString localFile = localVersionFilePath(effectiveDownloadFolder(setup.downloadFolder));
    const DownloadResult download = CopyURLToFile(versionFileAddress(setup.serverAddress), localFile, setup.limits);
    if (!download)
        return {UpdateCheckOutcome::Failed, download};

    TextFileReader reader(localFile);
    if (!reader.isOpen() || reader.atEnd())
        return {UpdateCheckOutcome::Failed,
                DownloadResult::failure(InputPastEndOfFile, QStringLiteral("Input past end of file"))};
    const QString firstLine = reader.readLine();
    if (firstLine == QLatin1String(ProgramVersionText))
        return {UpdateCheckOutcome::UpToDate, {}};
    return {UpdateCheckOutcome::NewerVersion, {}};
}

} // namespace parlora
