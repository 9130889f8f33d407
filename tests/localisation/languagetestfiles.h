#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace parlora::test {

// Writes raw bytes to a file, creating its folder.
void writeBytes(const QString &path, const QByteArray &bytes);

// Writes a language file of the given meaningful lines, CR LF ended, with a
// comment line and an empty line between every two of them so that the
// reader has to skip them.
void writeLanguageFile(const QString &path, const QStringList &lines);

// "<prefix> caption 1" ... for count caption lines.
QStringList numberedLines(const QString &prefix, int count);

} // namespace parlora::test
