#include "platform/shellopen.h"

#include <QDesktopServices>

namespace parlora {

ShellOpener systemShellOpener()
{
    return [](const QUrl &address) { return QDesktopServices::openUrl(address); };
}

bool ShellOpen(const ShellOpener &opener, const QString &target)
{
    // Strict parsing: a malformed address is dropped here rather than being
    // "repaired" by the URL parser into something the user never clicked.
    const QUrl address(target, QUrl::StrictMode);
    if (!address.isValid() || address.isEmpty() || !opener)
        return false;
    return opener(address);
}

} // namespace parlora
