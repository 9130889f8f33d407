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

} // namespace

SearchIndex::SearchIndex(const QStringList &sources, const QStringList &targets)
    : m_ownSources(sources), m_ownTargets(targets), m_sources(&m_ownSources), m_targets(&m_ownTargets)
{
    build();
}

SearchIndex::SearchIndex(const QStringList *sources, const QStringList *targets)
    : m_sources(sources), m_targets(targets)
{
    build();
}

SearchIndex::SearchIndex(const SearchIndex &other) : IndexView(other)
{
    *this = other;
}

SearchIndex &SearchIndex::operator=(const SearchIndex &other)
{
    if (this == &other)
        return *this;
    // An index of its own lists points at its own copies, never at the
    // other's.
    const bool ownLists = other.m_sources == &other.m_ownSources;
    m_ownSources = other.m_ownSources;
    m_ownTargets = other.m_ownTargets;
    m_sources = ownLists ? &m_ownSources : other.m_sources;
    m_targets = ownLists ? &m_ownTargets : other.m_targets;
    m_positionOf = other.m_positionOf;
    m_idAt = other.m_idAt;
    m_recordsByForm = other.m_recordsByForm;
    m_occurrencesByWord = other.m_occurrencesByWord;
    m_similarPrepared = other.m_similarPrepared;
    m_candidates = other.m_candidates;
    m_candidateRecords = other.m_candidateRecords;
    m_candidateIds = other.m_candidateIds;
    m_candidatesByFirst = other.m_candidatesByFirst;
    m_candidatesByLast = other.m_candidatesByLast;
    return *this;
}

void SearchIndex::build()
{
    m_recordsByForm.reserve(m_sources->size());
    for (qint32 record = 0; record < qint32(m_sources->size()); ++record) {
        const QString form = words::ComparisonForm(m_sources->at(record));
        addExactForms(record, form, words::SplitWords(words::StripPunctuation(form)));
    }
}

std::span<const qint32> SearchIndex::positions(const QList<qint32> &ids, QList<qint32> &scratch) const
{
    if (!renumbered())
        return spanOf(ids);
    scratch.clear();
    for (qint32 id : ids) {
        if (const qint32 position = m_positionOf.at(id); position >= 0)
            scratch.append(position);
    }
    std::sort(scratch.begin(), scratch.end());
    return spanOf(scratch);
}

std::span<const qint32> SearchIndex::RecordsWithForm(QStringView form) const
{
    const auto it = m_recordsByForm.constFind(form.toString());
    return it == m_recordsByForm.cend() ? std::span<const qint32>() : positions(*it, m_formScratch);
}

std::span<const WordOccurrence> SearchIndex::Occurrences(QStringView word) const
{
    const auto it = m_occurrencesByWord.constFind(word.toString());
    if (it == m_occurrencesByWord.cend())
        return {};
    if (!renumbered())
        return spanOf(*it);
    m_wordScratch.clear();
    for (WordOccurrence occurrence : *it) {
        occurrence.record = m_positionOf.at(occurrence.record);
        if (occurrence.record >= 0)
            m_wordScratch.append(occurrence);
    }
    std::sort(m_wordScratch.begin(), m_wordScratch.end(),
              [](const WordOccurrence &a, const WordOccurrence &b) { return a.record < b.record; });
    return spanOf(m_wordScratch);
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
    return positions(m_candidateRecords.at(id), m_candidateScratch);
}

void SearchIndex::PrepareSimilarCandidates() const
{
    if (m_similarPrepared)
        return;
    m_similarPrepared = true;
    m_candidateIds.reserve(m_sources->size() * 2);
    for (qint32 position = 0; position < qint32(m_sources->size()); ++position)
        addSimilarCandidates(renumbered() ? m_idAt.at(position) : position, m_sources->at(position));
}

void SearchIndex::addExactForms(qint32 id, const QString &form, const QStringList &entryWords)
{
    m_recordsByForm[form].append(id);

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
            occurrences.append({id, 0, 0});
            if (longEntry)
                slotsOfLongEntry.insert(entryWords.at(i), slot);
        }
        if (i + 1 < entryWords.size())
            ++occurrences[slot].beforeLast;
        else
            occurrences[slot].last = 1;
    }
    for (qsizetype slot = 0; slot < occurrences.size(); ++slot)
        m_occurrencesByWord[entryWords.at(firstPositions.at(slot))].append(occurrences.at(slot));
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

void SearchIndex::addSimilarCandidates(qint32 id, const QString &source) const
{
    const QString lowered = source.toLower();
    auto addCandidate = [&](const QString &candidate) {
        QList<qint32> &records = m_candidateRecords[candidateId(candidate)];
        if (records.isEmpty() || records.constLast() != id)
            records.append(id);
    };
    addCandidate(lowered);
    for (const QString &candidate : words::SplitWords(words::StripPunctuation(lowered)))
        addCandidate(candidate);
}

void SearchIndex::InsertRecord(qint32 record)
{
    if (!renumbered()) {
        const qsizetype count = m_sources->size() - 1;
        m_positionOf.resize(count);
        m_idAt.resize(count);
        for (qint32 i = 0; i < qint32(count); ++i)
            m_positionOf[i] = m_idAt[i] = i;
    }
    // Only the flat position table moves: the word lists keep their ids.
    const qint32 id = qint32(m_positionOf.size());
    for (qint32 &position : m_positionOf) {
        if (position >= record)
            ++position;
    }
    m_positionOf.append(record);
    m_idAt.insert(record, id);
    const QString &source = m_sources->at(record);
    const QString form = words::ComparisonForm(source);
    addExactForms(id, form, words::SplitWords(words::StripPunctuation(form)));
    if (m_similarPrepared)
        addSimilarCandidates(id, source);
}

void SearchIndex::RemoveRecord(qint32 record)
{
    if (!renumbered()) {
        const qsizetype count = m_sources->size() + 1;
        m_positionOf.resize(count);
        m_idAt.resize(count);
        for (qint32 i = 0; i < qint32(count); ++i)
            m_positionOf[i] = m_idAt[i] = i;
    }
    // The id stays in the word lists, marked gone; the lists are read through
    // the position table, which skips it.
    m_positionOf[m_idAt.at(record)] = -1;
    m_idAt.removeAt(record);
    for (qint32 &position : m_positionOf) {
        if (position > record)
            --position;
    }
}

} // namespace parlora
