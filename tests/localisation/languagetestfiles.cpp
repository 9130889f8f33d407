#include "languagetestfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace parlora::test {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void writeLanguageFile(const QString &path, const QStringList &lines)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = "# a language file written by a test\r\n";
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n\r\n' old style comment\r\n";
    }
    writeBytes(path, bytes);
}

QStringList numberedLines(const QString &prefix, int count)
{
    QStringList lines;
    for (int number = 1; number <= count; ++number)
        lines.append(QStringLiteral("%1 %2").arg(prefix).arg(number));
    return lines;
}

} // namespace parlora::test
