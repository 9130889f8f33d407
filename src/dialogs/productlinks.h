#pragma once

#include "buildconfig.h"

#include <QString>

namespace parlora {

// Where the makers can be reached and where new versions are announced.
inline const QString ContactMailAddress = QStringLiteral("info@parlora.org");
inline const QString WebSiteAddress = QStringLiteral("https://parlora.org");
inline const QString WebSiteHostName = QStringLiteral("parlora.org");
// The update server is a build setting (PARLORA_UPDATE_URL, an https
// address): distributions update the program themselves and leave it empty,
// which turns the check off.
inline const QString UpdateServerAddress = QStringLiteral(PARLORA_UPDATE_URL);
inline const QString VersionFilePath = QStringLiteral("/Ravaruz/Parlora/versione.txt");
inline const QString DownloadPagePath = QStringLiteral("/Ravaruz/Parlora/download.htm");

// The downloaded copy of the version file, in the user's cache folder.
inline const QString VersionFileName = QStringLiteral("versione.txt");

} // namespace parlora
