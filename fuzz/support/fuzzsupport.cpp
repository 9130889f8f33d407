#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace parlora::fuzz {

namespace {
// Enough of a text to recognise it in a failure message.
constexpr qsizetype ShownCharacters = 120;
} // namespace

void fail(const char *file, int line, const char *condition, const QString &detail)
{
    std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", file, line, condition, qPrintable(detail));
    std::fflush(stderr);
    std::abort();
}

QList<QByteArray> splitSections(const uint8_t *data, size_t size, int count)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArray> sections;
    qsizetype start = 0;
    while (sections.size() < count - 1) {
        const qsizetype end = input.indexOf(SectionSeparator, start);
        if (end < 0)
            break;
        sections.append(input.mid(start, end - start));
        start = end + 1;
    }
    sections.append(start <= input.size() ? input.mid(start) : QByteArray());
    while (sections.size() < count)
        sections.append(QByteArray());
    return sections;
}

QByteArray expanded(const QByteArray &section)
{
    constexpr qsizetype HeaderBytes = 3;
    if (section.size() < HeaderBytes || section.front() != RepeatMark)
        return section;
    const int count = (quint8(section.at(1)) << 8) | quint8(section.at(2));
    const QByteArray text = section.sliced(HeaderBytes);
    if (text.isEmpty())
        return {};
    QByteArray result;
    for (int copy = 0; copy < count && result.size() < MaxExpandedBytes; ++copy) {
        QByteArray one = text;
        one.replace(CopyNumberMark, QByteArray::number(copy));
        result += one;
    }
    result.truncate(MaxExpandedBytes);
    return result;
}

const QString &scratchFolder()
{
    // In memory where the system has such a folder: the targets save files
    // on every run, and a save waits for the disk.
    const QString memory = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(memory).isDir() && QFileInfo(memory).isWritable() ? memory : QDir::tempPath();
    static QTemporaryDir folder(base + QStringLiteral("/parlora-fuzz-XXXXXX"));
    if (!folder.isValid())
        fail(__FILE__, __LINE__, "folder.isValid()", QStringLiteral("no temporary folder"));
    static const QString path = folder.path();
    return path;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(__FILE__, __LINE__, "file written", path + QStringLiteral(": ") + file.errorString());
}

void removeFile(const QString &path)
{
    QFile::remove(path);
}

QString utf16Text(const QByteArray &bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(quint8(bytes.at(2 * i)) | (quint8(bytes.at(2 * i + 1)) << 8)));
    return text;
}

QString shown(const QString &text)
{
    QString cut = text.left(ShownCharacters);
    QString escaped;
    for (const QChar c : cut) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0) || c.isSurrogate())
            escaped += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    if (text.size() > cut.size())
        escaped += QStringLiteral("... (%1 characters)").arg(text.size());
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString shown(const QStringList &texts)
{
    QStringList parts;
    for (qsizetype i = 0; i < texts.size() && i < 8; ++i)
        parts << shown(texts.at(i));
    if (texts.size() > 8)
        parts << QStringLiteral("... (%1 in all)").arg(texts.size());
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

qsizetype totalLength(const QStringList &texts)
{
    qsizetype length = 0;
    for (const QString &text : texts)
        length += text.size();
    return length;
}

} // namespace parlora::fuzz
