#include "translation/searchindex.h"

#include "words/exactlookup.h"
#include "words/similarwords.h"
#include "words/textrules.h"

#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <climits>

namespace parlora {

namespace {

// Room for the words of a typical entry without a heap allocation.
constexpr qsizetype ShortEntryWords = 8;
// Beyond this many words an entry's words are told apart by a hash.
constexpr qsizetype LinearScanWords = 32;

quint64 lengthAndCharacter(qsizetype length, QChar c)
{
    return (quint64(length) << 16) | c.unicode();
}

// The candidate lengths whose stem can equal the stem of a text of this
// length, or that are one insertion, deletion or substitution away.
QList<qsizetype> similarLengths(qsizetype queryLength)
{
    using words::ShortestStem;
    using words::VariableEndingLength;
    const qsizetype stemLength = std::min(queryLength, words::StemLength(queryLength));
    QList<qsizetype> lengths{queryLength - 1, queryLength, queryLength + 1};
    if (stemLength < ShortestStem) {
        // Such a short text is its own stem, and so is the candidate.
        lengths.append(stemLength);
    } else if (stemLength == ShortestStem) {
        for (qsizetype length = ShortestStem; length <= ShortestStem + VariableEndingLength; ++length)
            lengths.append(length);
    } else {
        lengths.append(stemLength + VariableEndingLength);
    }
    std::sort(lengths.begin(), lengths.end());
    lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
    return lengths;
}

} // namespace

SearchIndex::SearchIndex(const QStringList &sources, const QStringList &targets)
    : m_sources(sources), m_targets(targets)
{
    m_recordsByForm.reserve(sources.size());
    for (int record = 0; record < int(sources.size()); ++record) {
        const QString form = words::ComparisonForm(sources.at(record));
        addExactForms(record, form, words::SplitWords(words::StripPunctuation(form)));
    }
}

void SearchIndex::PrepareSimilarCandidates() const
{
    if (m_similarPrepared)
        return;
    m_similarPrepared = true;
    m_candidateIds.reserve(m_sources.size() * 2);
    for (int record = 0; record < int(m_sources.size()); ++record) {
        const QString lowered = m_sources.at(record).toLower();
        addSimilarCandidates(record, lowered, words::SplitWords(words::StripPunctuation(lowered)));
    }
}

bool SearchIndex::isBuiltFrom(const QStringList &sources, const QStringList &targets) const
{
    return sources.size() == m_sources.size() && targets.size() == m_targets.size()
        && sources.constData() == m_sources.constData() && targets.constData() == m_targets.constData();
}

void SearchIndex::addExactForms(int record, const QString &form, const QStringList &entryWords)
{
    m_recordsByForm[form].append(record);

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
            occurrences.append({record, 0, false});
            if (longEntry)
                slotsOfLongEntry.insert(entryWords.at(i), slot);
        }
        if (i + 1 < entryWords.size())
            ++occurrences[slot].beforeLast;
        else
            occurrences[slot].last = true;
    }
    for (qsizetype slot = 0; slot < occurrences.size(); ++slot)
        m_occurrencesByWord[entryWords.at(firstPositions.at(slot))].append(occurrences.at(slot));
}

int SearchIndex::candidateId(const QString &candidate) const
{
    auto it = m_candidateIds.constFind(candidate);
    if (it != m_candidateIds.cend())
        return it.value();
    const int id = int(m_candidates.size());
    m_candidates.append(candidate);
    m_candidateRecords.append(QList<int>());
    m_candidateIds.insert(candidate, id);
    if (!candidate.isEmpty()) {
        m_candidatesByFirst[lengthAndCharacter(candidate.size(), candidate.front())].append(id);
        m_candidatesByLast[lengthAndCharacter(candidate.size(), candidate.back())].append(id);
    }
    return id;
}

void SearchIndex::addSimilarCandidates(int record, const QString &lowered, const QStringList &loweredWords) const
{
    auto addCandidate = [&](const QString &candidate) {
        QList<int> &records = m_candidateRecords[candidateId(candidate)];
        if (records.isEmpty() || records.constLast() != record)
            records.append(record);
    };
    addCandidate(lowered);
    for (const QString &candidate : loweredWords)
        addCandidate(candidate);
}

void SearchIndex::FindExactMatches(SearchState &state, const QString &query, bool wordMatches) const
{
    const QString key = words::FoldAccents(query);
    const QList<int> whole = m_recordsByForm.value(key);
    const QList<WordOccurrence> inWords = wordMatches ? m_occurrencesByWord.value(key) : QList<WordOccurrence>();

    reserveForMatches(state, whole, inWords);

    // Both lists are in record order; walk them together so that lines,
    // blocks and FoundText come out in file order. A record matching as a
    // whole is never looked into for words.
    qsizetype w = 0;
    qsizetype o = 0;
    while (w < whole.size() || o < inWords.size()) {
        const int nextWhole = w < whole.size() ? whole.at(w) : INT_MAX;
        const int nextWord = o < inWords.size() ? inWords.at(o).record : INT_MAX;
        if (nextWhole <= nextWord) {
            words::AddListItem(state, ResultList::Translations,
                               m_sources.at(nextWhole) + words::MatchSeparator + m_targets.at(nextWhole));
            state.FoundText += m_sources.at(nextWhole);
            state.ExactFound = true;
            ++w;
            if (nextWord == nextWhole)
                ++o;
        } else {
            const WordOccurrence &occurrence = inWords.at(o++);
            words::ReportWordMatches(state, m_sources.at(occurrence.record), query, m_targets.at(occurrence.record),
                                     occurrence.beforeLast, occurrence.last);
        }
    }
}

QList<int> SearchIndex::WholeEntryRecords(const QString &word) const
{
    return m_recordsByForm.value(words::ComparisonForm(word));
}

void SearchIndex::reserveForMatches(SearchState &state, const QList<int> &whole,
                                    const QList<WordOccurrence> &inWords) const
{
    // A common word can fill the result text with thousands of blocks;
    // growing it once avoids copying it over and over.
    qsizetype found = 0;
    qsizetype text = 0;
    for (int record : whole)
        found += m_sources.at(record).size();
    // One block per matching entry, however often the word repeats in it.
    for (const WordOccurrence &occurrence : inWords) {
        found += m_sources.at(occurrence.record).size();
        text += m_sources.at(occurrence.record).size() + m_targets.at(occurrence.record).size()
            + 3 * words::BlockLineEnd.size();
    }
    state.FoundText.reserve(state.FoundText.size() + found);
    state.resultText.reserve(state.resultText.size() + text);
}

QList<int> SearchIndex::similarCandidates(const QString &query) const
{
    // Every candidate similar to the query keeps either its first character
    // (an edit later on, or the shared stem) or its last character (an edit
    // at the very start), and has one of a few lengths.
    QList<int> ids;
    for (qsizetype length : similarLengths(query.size())) {
        if (length < 1)
            continue;
        for (int id : m_candidatesByFirst.value(lengthAndCharacter(length, query.front()))) {
            if (words::IsSimilarFast(m_candidates.at(id), query))
                ids.append(id);
        }
        for (int id : m_candidatesByLast.value(lengthAndCharacter(length, query.back()))) {
            if (m_candidates.at(id).front() != query.front() && words::IsSimilarFast(m_candidates.at(id), query))
                ids.append(id);
        }
    }
    return ids;
}

void SearchIndex::FindSimilarWords(SearchState &state, const QString &query) const
{
    if (query.size() < words::MinimumSimilarQueryLength)
        return;
    PrepareSimilarCandidates();

    // Only the records holding a similar candidate can offer anything.
    struct Hit {
        int record;
        int candidate;
        bool operator<(const Hit &other) const { return record < other.record; }
    };
    QList<Hit> hits;
    for (int id : similarCandidates(query)) {
        for (int record : m_candidateRecords.at(id))
            hits.append({record, id});
    }
    std::stable_sort(hits.begin(), hits.end());

    // Replaying those records in order keeps every FoundText check as a full
    // sweep makes it. Once a record has been replayed, each of its similar
    // candidates is in FoundText (added, or inside the entry that was added),
    // and FoundText only grows: a later record offering nothing else can be
    // passed over.
    QSet<int> reported;
    for (qsizetype first = 0; first < hits.size();) {
        const int record = hits.at(first).record;
        qsizetype end = first;
        bool anythingNew = false;
        for (; end < hits.size() && hits.at(end).record == record; ++end)
            anythingNew = anythingNew || !reported.contains(hits.at(end).candidate);
        if (anythingNew) {
            const QString lowered = m_sources.at(record).toLower();
            words::OfferSimilarCandidates(state, lowered, words::SplitWords(words::StripPunctuation(lowered)), query,
                                          words::IsSimilarFast);
            for (qsizetype i = first; i < end; ++i)
                reported.insert(hits.at(i).candidate);
        }
        first = end;
    }
}

} // namespace parlora
