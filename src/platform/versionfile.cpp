#include "platform/versionfile.h"

#include <QString>

#include <algorithm>

namespace parlora {

std::optional<QVersionNumber> announcedVersion(const QByteArray &versionFile)
{
    const auto lineEnd = std::find_if(versionFile.cbegin(), versionFile.cend(),
                                      [](char c) { return c == '\r' || c == '\n'; });
    const qsizetype end = lineEnd - versionFile.cbegin();
    const QByteArray firstLine = versionFile.left(end);
    // Spaces around the number are only layout.
    const QString text = QString::fromLatin1(firstLine).trimmed();
    qsizetype suffix = 0;
    const QVersionNumber version = QVersionNumber::fromString(text, &suffix);
    if (version.isNull() || suffix != text.size())
        return std::nullopt;
    return version;
}

} // namespace parlora
