#include "dialogs/helpcommand.h"

namespace parlora {

namespace {
const QString ItalianLanguage = QStringLiteral("Italiano");
const QString ItalianHelp = QStringLiteral("help/help.htm");
const QString PortugueseHelp = QStringLiteral("help/helppt.htm");
} // namespace

QString helpDocument(const QString &interfaceLanguage)
{
    // Exact comparison: only the Italian interface has Italian help.
    return interfaceLanguage == ItalianLanguage ? ItalianHelp : PortugueseHelp;
}

QUrl helpAddress(const ApplicationFolder &folder, const QString &interfaceLanguage)
{
    return QUrl::fromLocalFile(folder.file(helpDocument(interfaceLanguage)));
}

void OpenHelp(const ApplicationFolder &folder, const QString &interfaceLanguage, const ShellOpener &opener)
{
    if (opener)
        opener(helpAddress(folder, interfaceLanguage));
}

} // namespace parlora
