#include "dictionaryconversion.h"

#include "dictdentry.h"
#include "gzipfile.h"

#include "dictionary/wordlists.h"
#include "platform/textfile.h"

#include <QSet>

namespace parlora::dictconvert {

ConversionResult convertArticles(const QList<IndexEntry> &index, const QByteArray &dictionaryText)
{
    ConversionResult result;
    QSet<QString> seen;
    for (const IndexEntry &item : index) {
        if (item.offset + item.length > dictionaryText.size()) {
            result.error = QStringLiteral("the article of \"%1\" lies beyond the end of the dictionary text")
                               .arg(item.headword);
            result.records.clear();
            return result;
        }
        ++result.articles;
        const DictdEntry entry = parseDictdEntry(
            QString::fromUtf8(dictionaryText.constData() + item.offset, item.length));
        if (entry.headword.isEmpty() || entry.translations.isEmpty()) {
            ++result.articlesWithoutTranslation;
            continue;
        }
        for (const QString &translation : entry.translations) {
            // A line break cannot occur inside either side, so it separates them safely.
            const QString key = entry.headword + u'\n' + translation;
            if (seen.contains(key)) {
                ++result.duplicatesDropped;
                continue;
            }
            seen.insert(key);
            if (!canEncodeWindows1252(entry.headword) || !canEncodeWindows1252(translation)) {
                ++result.unencodableSkipped;
                continue;
            }
            result.records.append({entry.headword, translation});
        }
    }
    if (result.records.size() > MaxListEntries) {
        result.error = QStringLiteral("%1 records: the program loads at most %2")
                           .arg(result.records.size())
                           .arg(MaxListEntries);
        result.records.clear();
    }
    return result;
}

ConversionResult convertDictdFiles(const QString &indexPath, const QString &dictionaryPath)
{
    ConversionResult result;
    const IndexReadResult index = readIndexFile(indexPath);
    if (!index.error.isEmpty()) {
        result.error = index.error;
        return result;
    }
    const GzipReadResult text = readGzipFile(dictionaryPath);
    if (!text.error.isEmpty()) {
        result.error = text.error;
        return result;
    }
    return convertArticles(index.entries, text.data);
}

QStringList mainDictionaryLines(const QList<DictionaryRecord> &records)
{
    QStringList lines;
    lines.reserve(records.size() * 3);
    for (const DictionaryRecord &record : records)
        lines << record.language1 << record.language2 << QString();
    return lines;
}

} // namespace parlora::dictconvert
