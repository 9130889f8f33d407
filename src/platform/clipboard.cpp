#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace parlora {

QString clipboardText()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

void setClipboardText(const QString &text)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

} // namespace parlora
