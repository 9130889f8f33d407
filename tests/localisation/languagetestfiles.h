#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringEncoder>
#include <QStringList>

namespace parlora::test {

// A language file of the given meaningful lines, CR LF ended, with an empty
// line and a comment line after each, so that the reader has to skip them.
inline void writeLanguageFile(const QString &path, const QStringList &lines)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = "# a language file written by a test\r\n";
    for (const QString &line : lines)
        bytes += encoder.encode(line) + "\r\n\r\n' old style comment\r\n";
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// "<prefix> 1" ... "<prefix> <count>".
inline QStringList numberedLines(const QString &prefix, int count)
{
    QStringList lines;
    for (int number = 1; number <= count; ++number)
        lines.append(QStringLiteral("%1 %2").arg(prefix).arg(number));
    return lines;
}

} // namespace parlora::test
