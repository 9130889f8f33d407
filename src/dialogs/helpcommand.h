#pragma once

#include "platform/applicationfolder.h"
#include "platform/shellopen.h"

#include <QString>
#include <QUrl>

namespace parlora {

// The help document for an interface language, relative to the application
// folder: Italian for the Italian interface, Portuguese for the Portuguese
// one, English for every other.
QString helpDocument(const QString &interfaceLanguage);
QUrl helpAddress(const ApplicationFolder &folder, const QString &interfaceLanguage);

// Opens the help in the desktop's browser; false when no program could open
// it. A missing page is left to the browser to report.
bool OpenHelp(const ApplicationFolder &folder, const QString &interfaceLanguage, const ShellOpener &opener);

} // namespace parlora
