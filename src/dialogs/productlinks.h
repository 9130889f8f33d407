#pragma once

#include <QString>

namespace parlora {

// Where the makers can be reached and where new versions are announced. The
// update server is a separate constant because the version file is fetched
// over plain HTTP, while people are sent to the secure site.
inline const QString ContactMailAddress = QStringLiteral("info@parlora.org");
inline const QString WebSiteAddress = QStringLiteral("https://parlora.org");
inline const QString WebSiteHostName = QStringLiteral("parlora.org");
inline const QString UpdateServerAddress = QStringLiteral("http://parlora.org");
inline const QString VersionFilePath = QStringLiteral("/Ravaruz/Parlora/versione.txt");
inline const QString DownloadPagePath = QStringLiteral("/Ravaruz/Parlora/download.htm");

// The local copy of the version file, replaced by every check.
inline const QString VersionFileName = QStringLiteral("versione.txt");

} // namespace parlora
