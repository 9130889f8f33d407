#pragma once

#include "platform/applicationfolder.h"
#include "platform/shellopen.h"

#include <QString>
#include <QUrl>

namespace parlora {

// The help document for an interface language, relative to the application
// folder. There are two documents: Italian, and Portuguese for everyone else.
QString helpDocument(const QString &interfaceLanguage);
QUrl helpAddress(const ApplicationFolder &folder, const QString &interfaceLanguage);

// Opens the help in the desktop's browser. A missing page is left to the
// browser to report.
void OpenHelp(const ApplicationFolder &folder, const QString &interfaceLanguage, const ShellOpener &opener);

} // namespace parlora
