#pragma once

#include "dialogs/productlinks.h"
#include "platform/httpdownload.h"

#include <QString>

namespace parlora {

// Where the check looks and what it may download. Tests point it at a local
// server and a temporary folder.
struct UpdateCheckSetup {
    QString serverAddress = UpdateServerAddress;
    // Empty means the process's current folder, or the temporary folder when
    // the current one cannot be written.
    QString downloadFolder;
    DownloadLimits limits;
};

struct UpdateCheckOutcome {
    enum Result { Failed, UpToDate, NewerVersion };
    Result result = Failed;
    // Why the check failed; callers do not show it, but it is kept for tests
    // and for anyone debugging a silent failure.
    DownloadResult failure;
};

// Downloads the version file and compares its first line, exactly as
// written, with this program's version: any other text, a higher number, a
// lower one or an empty line, means a version the user does not have.
UpdateCheckOutcome CheckForUpdate(const UpdateCheckSetup &setup);

QString versionFileAddress(const QString &serverAddress);
QString downloadPageAddress(const QString &serverAddress);
QString localVersionFilePath(const QString &downloadFolder);
QString effectiveDownloadFolder(const QString &downloadFolder);

} // namespace parlora
