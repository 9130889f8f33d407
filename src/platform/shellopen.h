#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace parlora {

// Hands an address (web page, mail address, local file) to whatever the
// desktop has registered for it. Windows receive one of these instead of
// calling the desktop directly, so tests can see what would have opened.
using ShellOpener = std::function<void(const QUrl &address)>;

// The desktop's own handler. Its result is ignored on purpose: with no
// browser or mail program installed there is nothing useful to tell the user
// that the desktop has not already shown.
ShellOpener systemShellOpener();

// Opens a web address or a "mailto:" address given as text.
void ShellOpen(const ShellOpener &opener, const QString &target);

} // namespace parlora
