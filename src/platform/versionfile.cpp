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
    // Digits and dots only: the parser below would also take a sign or a
    // space inside a part ("3.+1", "3. 1"), which no version file holds.
    const bool plain = std::all_of(text.cbegin(), text.cend(),
                                   [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'.'; });
    if (!plain)
        return std::nullopt;
    qsizetype suffix = 0;
    const QVersionNumber version = QVersionNumber::fromString(text, &suffix);
    if (version.isNull() || suffix != text.size())
        return std::nullopt;
    return version;
}

} // namespace parlora
