#include "dictionaryconversion.h"

#include "dictdentry.h"
#include "gzipfile.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace parlora::dictconvert {

namespace {

int weaknessOf(const WordKnowledge *knowledge, const DictdEntry &entry, const QString &portuguese, int position)
{
    int weakness = position >= 2 ? 1 : 0;
    if (!knowledge)
        return weakness;
    const QStringList italian = wordsOf(entry.headword);
    if (std::any_of(italian.cbegin(), italian.cend(),
                    [&](const QString &word) { return !knowledge->knows(Speller::Italian, word); }))
        weakness += 2;
    const QStringList words = wordsOf(portuguese);
    if (std::any_of(words.cbegin(), words.cend(),
                    [&](const QString &word) { return !knowsPortuguese(*knowledge, word); }))
        weakness += 4;
    return weakness;
}

} // namespace

ConversionResult convertArticles(const QList<IndexEntry> &index, const QByteArray &dictionaryText,
                                 const CleaningSetup &setup, bool keepLog)
{
    ConversionResult result;
    result.counts.keepLog = keepLog;
    QHash<QString, int> seen; // pair key -> record
    GlossTest isGloss;
    if (setup.knowledge) {
        isGloss = [&](QStringView text) {
            const bool gloss = readsAsItalianGloss(*setup.knowledge, text);
            if (gloss)
                result.counts.add(CleaningRule::NumberedGloss, QString(), text.toString());
            return gloss;
        };
    }
    for (const IndexEntry &item : index) {
        if (item.offset + item.length > dictionaryText.size()) {
            result.error = QStringLiteral("the article of \"%1\" lies beyond the end of the dictionary text")
                               .arg(item.headword);
            result.records.clear();
            result.weakness.clear();
            return result;
        }
        ++result.articles;
        const DictdEntry entry =
            parseDictdEntry(QString::fromUtf8(dictionaryText.constData() + item.offset, item.length), isGloss);
        if (entry.headword.isEmpty() || entry.translations.isEmpty()) {
            ++result.articlesWithoutTranslation;
            continue;
        }
        int position = 0;
        for (const QString &translation : entry.translations) {
            for (const QString &portuguese : cleanTranslation(entry, translation, setup, result.counts)) {
                const QString key = pairKey(entry.headword, portuguese);
                if (const auto found = seen.constFind(key); found != seen.cend()) {
                    result.counts.add(CleaningRule::Repeated, entry.headword, portuguese);
                    // "Angelo -> Anjo" (a name) and "angelo -> anjo": the
                    // common noun's spelling is the one to keep.
                    DictionaryRecord &kept = result.records[*found];
                    if (kept.language1.front().isUpper() && entry.headword.front().isLower())
                        kept = {entry.headword, portuguese};
                    continue;
                }
                seen.insert(key, int(result.records.size()));
                result.records.append({entry.headword, portuguese});
                result.weakness.append(weaknessOf(setup.knowledge, entry, portuguese, position++));
            }
        }
    }
    return result;
}

ConversionResult convertDictdFiles(const QString &indexPath, const QString &dictionaryPath,
                                   const CleaningSetup &setup, bool keepLog)
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
    return convertArticles(index.entries, text.data, setup, keepLog);
}

MergeResult mergeWithLexicon(const OrderedLexicon &lexicon, const ConversionResult &source, int limit)
{
    MergeResult merged;
    QSet<QString> held;
    for (const DictionaryRecord &record : lexicon.records)
        held.insert(pairKey(record));

    QList<int> sourceKept;
    for (int i = 0; i < source.records.size(); ++i) {
        if (held.contains(pairKey(source.records[i])))
            merged.counts.add(CleaningRule::InLexicon);
        else
            sourceKept.append(i);
    }

    QList<bool> lexiconKept(lexicon.records.size(), true);
    qsizetype over = lexicon.records.size() + sourceKept.size() - limit;
    if (over > 0) {
        // Weakest first; between equals, the one further down the file.
        QList<int> byWeakness = sourceKept;
        std::stable_sort(byWeakness.begin(), byWeakness.end(), [&](int a, int b) {
            return source.weakness[a] != source.weakness[b] ? source.weakness[a] > source.weakness[b] : a > b;
        });
        const qsizetype dropped = std::min(over, byWeakness.size());
        const QSet<int> gone(byWeakness.cbegin(), byWeakness.cbegin() + dropped);
        sourceKept.removeIf([&](int i) { return gone.contains(i); });
        merged.counts.add(CleaningRule::OverBudget, int(dropped));
        over -= dropped;
    }
    if (over > 0) {
        QList<int> byRank(lexicon.records.size());
        std::iota(byRank.begin(), byRank.end(), 0);
        std::stable_sort(byRank.begin(), byRank.end(), [&](int a, int b) {
            return lexicon.rank[a] != lexicon.rank[b] ? lexicon.rank[a] > lexicon.rank[b] : a > b;
        });
        for (qsizetype i = 0; i < over; ++i)
            lexiconKept[byRank[i]] = false;
        merged.lexiconDropped = int(over);
        merged.counts.add(CleaningRule::OverBudget, int(over));
    }

    for (qsizetype i = 0; i < lexicon.records.size(); ++i) {
        if (lexiconKept[i])
            merged.records.append(lexicon.records[i]);
    }
    merged.lexiconRecords = int(merged.records.size());
    for (int i : std::as_const(sourceKept))
        merged.records.append(source.records[i]);
    merged.sourceRecords = int(sourceKept.size());
    return merged;
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
