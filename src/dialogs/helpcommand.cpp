#include "dialogs/helpcommand.h"

namespace parlora {

namespace {
const QString ItalianLanguage = QStringLiteral("Italiano");
const QString PortugueseLanguage = QStringLiteral("Portugu\u00eas");
const QString ItalianHelp = QStringLiteral("help/help.htm");
const QString PortugueseHelp = QStringLiteral("help/helppt.htm");
const QString EnglishHelp = QStringLiteral("help/helpen.htm");
} // namespace

QString helpDocument(const QString &interfaceLanguage)
{
    // Exact comparison: the names are those of the shipped language files.
    if (interfaceLanguage == ItalianLanguage)
        return ItalianHelp;
    if (interfaceLanguage == PortugueseLanguage)
        return PortugueseHelp;
    return EnglishHelp;
}

QUrl helpAddress(const ApplicationFolder &folder, const QString &interfaceLanguage)
{
    return QUrl::fromLocalFile(folder.file(helpDocument(interfaceLanguage)));
}

bool OpenHelp(const ApplicationFolder &folder, const QString &interfaceLanguage, const ShellOpener &opener)
{
    return opener && opener(helpAddress(folder, interfaceLanguage));
}

} // namespace parlora
