#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace parlora {

// Hands an address (web page, mail address, local file) to whatever the
// desktop has registered for it, and says whether that worked. Windows
// receive one of these instead of calling the desktop directly, so tests can
// see what would have opened.
using ShellOpener = std::function<bool(const QUrl &address)>;

// The desktop's own handler. False when the desktop has no program for the
// address (no browser, no mail program, no xdg-open): the window then says
// so, with the address, so that the user can open it another way.
ShellOpener systemShellOpener();

// Opens a web address or a "mailto:" address given as text; false when the
// address is malformed or could not be opened.
bool ShellOpen(const ShellOpener &opener, const QString &target);

} // namespace parlora
