#include "dictdindex.h"

#include <QFile>

namespace parlora::dictconvert {

namespace {

constexpr QStringView DictdDigits = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int DictdRadix = 64;
// Eight base-64 digits already exceed any real dictionary; more would overflow.
constexpr qsizetype MaxDictdDigits = 8;

bool isMetadataHeadword(const QString &headword)
{
    return headword.startsWith(u"00database") || headword.startsWith(u"00-database");
}

} // namespace

qint64 decodeDictdNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > MaxDictdDigits)
        return -1;
    qint64 value = 0;
    for (QChar digit : digits) {
        const qsizetype position = DictdDigits.indexOf(digit);
        if (position < 0)
            return -1;
        value = value * DictdRadix + position;
    }
    return value;
}

bool parseIndexLine(QStringView line, IndexEntry &entry)
{
    const QList<QStringView> fields = line.split(u'\t');
    if (fields.size() != 3 || fields[0].isEmpty())
        return false;
    const qint64 offset = decodeDictdNumber(fields[1]);
    const qint64 length = decodeDictdNumber(fields[2]);
    if (offset < 0 || length < 0)
        return false;
    entry = {fields[0].toString(), offset, length};
    return true;
}

IndexReadResult readIndexFile(const QString &path)
{
    IndexReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("cannot open the index %1: %2").arg(path, file.errorString());
        return result;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        ++lineNumber;
        QString line = QString::fromUtf8(file.readLine());
        while (line.endsWith(u'\n') || line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        IndexEntry entry;
        if (!parseIndexLine(line, entry)) {
            result.error = QStringLiteral("%1, line %2: not a dictd index line").arg(path).arg(lineNumber);
            result.entries.clear();
            return result;
        }
        if (!isMetadataHeadword(entry.headword))
            result.entries.append(std::move(entry));
    }
    return result;
}

} // namespace parlora::dictconvert
