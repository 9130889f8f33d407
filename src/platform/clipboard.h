#pragma once

#include <QString>

namespace parlora {

// The system clipboard, text only.
QString clipboardText();
void setClipboardText(const QString &text);

} // namespace parlora
