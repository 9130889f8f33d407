#include "translation/searchindex.h"

#include "words/textrules.h"

#include <QVarLengthArray>

#include <algorithm>

namespace parlora {

namespace {

// Room for the words of a typical entry without a heap allocation.
constexpr qsizetype ShortEntryWords = 8;
// Beyond this many words an entry's words are told apart by a hash.
constexpr qsizetype LinearScanWords = 32;

template <typename T>
std::span<const T> spanOf(const QList<T> &list)
{
    return {list.constData(), std::size_t(list.size())};
}

template <typename T>
std::span<const T> found(const QHash<QString, QList<T>> &hash, QStringView key)
{
    const auto it = hash.constFind(key.toString());
    return it == hash.cend() ? std::span<const T>() : spanOf(*it);
}

qint32 &recordOf(qint32 &record) { return record; }
qint32 &recordOf(WordOccurrence &occurrence) { return occurrence.record; }

// Moves every record number at or after from by the offset, and drops the
// number of a record taken out.
template <typename T>
void shiftList(QList<T> &list, qint32 from, qint32 by)
{
    if (by < 0)
        list.removeIf([from](const T &item) { return recordOf(const_cast<T &>(item)) == from; });
    for (T &item : list) {
        if (recordOf(item) >= from + (by < 0 ? 1 : 0))
            recordOf(item) += by;
    }
}

// Adds a record number to a list kept in record order.
template <typename T>
void insertInOrder(QList<T> &list, T item)
{
    const auto at = std::lower_bound(list.begin(), list.end(), item,
                                     [](const T &a, const T &b) { return recordOf(const_cast<T &>(a)) < recordOf(const_cast<T &>(b)); });
    list.insert(at, std::move(item));
}

} // namespace

SearchIndex::SearchIndex(const QStringList &sources, const QStringList &targets)
    : m_sources(sources), m_targets(targets)
{
    m_recordsByForm.reserve(sources.size());
    for (qint32 record = 0; record < qint32(sources.size()); ++record) {
        const QString form = words::ComparisonForm(sources.at(record));
        addExactForms(record, form, words::SplitWords(words::StripPunctuation(form)));
    }
}

std::span<const qint32> SearchIndex::RecordsWithForm(QStringView form) const
{
    return found(m_recordsByForm, form);
}

std::span<const WordOccurrence> SearchIndex::Occurrences(QStringView word) const
{
    return found(m_occurrencesByWord, word);
}

std::span<const qint32> SearchIndex::CandidatesByFirst(qsizetype length, QChar first) const
{
    const auto it = m_candidatesByFirst.constFind(lengthAndCharacter(length, first));
    return it == m_candidatesByFirst.cend() ? std::span<const qint32>() : spanOf(*it);
}

std::span<const qint32> SearchIndex::CandidatesByLast(qsizetype length, QChar last) const
{
    const auto it = m_candidatesByLast.constFind(lengthAndCharacter(length, last));
    return it == m_candidatesByLast.cend() ? std::span<const qint32>() : spanOf(*it);
}

std::span<const qint32> SearchIndex::CandidateRecords(qint32 id) const
{
    return spanOf(m_candidateRecords.at(id));
}

void SearchIndex::PrepareSimilarCandidates() const
{
    if (m_similarPrepared)
        return;
    m_similarPrepared = true;
    m_candidateIds.reserve(m_sources.size() * 2);
    for (qint32 record = 0; record < qint32(m_sources.size()); ++record)
        addSimilarCandidates(record, m_sources.at(record));
}

void SearchIndex::addExactForms(qint32 record, const QString &form, const QStringList &entryWords)
{
    insertInOrder(m_recordsByForm[form], record);

    // Entries hold a handful of words, where a linear scan beats a hash; a
    // long one (a whole text pasted into the personal dictionary) takes the
    // hash, so that it costs its length and not the square of it.
    QVarLengthArray<qsizetype, ShortEntryWords> firstPositions;
    QVarLengthArray<WordOccurrence, ShortEntryWords> occurrences;
    QHash<QStringView, qsizetype> slotsOfLongEntry;
    const bool longEntry = entryWords.size() > LinearScanWords;
    for (qsizetype i = 0; i < entryWords.size(); ++i) {
        qsizetype slot = 0;
        if (longEntry) {
            slot = slotsOfLongEntry.value(entryWords.at(i), occurrences.size());
        } else {
            while (slot < occurrences.size() && entryWords.at(firstPositions.at(slot)) != entryWords.at(i))
                ++slot;
        }
        if (slot == occurrences.size()) {
            firstPositions.append(i);
            occurrences.append({record, 0, 0});
            if (longEntry)
                slotsOfLongEntry.insert(entryWords.at(i), slot);
        }
        if (i + 1 < entryWords.size())
            ++occurrences[slot].beforeLast;
        else
            occurrences[slot].last = 1;
    }
    for (qsizetype slot = 0; slot < occurrences.size(); ++slot)
        insertInOrder(m_occurrencesByWord[entryWords.at(firstPositions.at(slot))], occurrences.at(slot));
}

qint32 SearchIndex::candidateId(const QString &candidate) const
{
    auto it = m_candidateIds.constFind(candidate);
    if (it != m_candidateIds.cend())
        return it.value();
    const qint32 id = qint32(m_candidates.size());
    m_candidates.append(candidate);
    m_candidateRecords.append(QList<qint32>());
    m_candidateIds.insert(candidate, id);
    if (!candidate.isEmpty()) {
        m_candidatesByFirst[lengthAndCharacter(candidate.size(), candidate.front())].append(id);
        m_candidatesByLast[lengthAndCharacter(candidate.size(), candidate.back())].append(id);
    }
    return id;
}

void SearchIndex::addSimilarCandidates(qint32 record, const QString &source) const
{
    const QString lowered = source.toLower();
    auto addCandidate = [&](const QString &candidate) {
        QList<qint32> &records = m_candidateRecords[candidateId(candidate)];
        if (records.isEmpty() || records.constLast() != record)
            insertInOrder(records, record);
    };
    addCandidate(lowered);
    for (const QString &candidate : words::SplitWords(words::StripPunctuation(lowered)))
        addCandidate(candidate);
}

void SearchIndex::shiftRecords(qint32 from, qint32 by)
{
    for (QList<qint32> &records : m_recordsByForm)
        shiftList(records, from, by);
    for (QList<WordOccurrence> &occurrences : m_occurrencesByWord)
        shiftList(occurrences, from, by);
    for (QList<qint32> &records : m_candidateRecords)
        shiftList(records, from, by);
}

void SearchIndex::InsertRecord(qint32 record, const QString &source, const QString &target)
{
    shiftRecords(record, 1);
    m_sources.insert(record, source);
    m_targets.insert(record, target);
    const QString form = words::ComparisonForm(source);
    addExactForms(record, form, words::SplitWords(words::StripPunctuation(form)));
    if (m_similarPrepared)
        addSimilarCandidates(record, source);
}

void SearchIndex::RemoveRecord(qint32 record)
{
    // Lists emptied here stay: an empty list finds nothing, and the next
    // insertion of the same form fills it again.
    shiftRecords(record, -1);
    m_sources.removeAt(record);
    m_targets.removeAt(record);
}

} // namespace parlora
