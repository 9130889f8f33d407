#include "translation/indexview.h"

#include "words/exactlookup.h"
#include "words/similarwords.h"
#include "words/textrules.h"

#include <QSet>

#include <algorithm>
#include <climits>

namespace parlora {

namespace {

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

QList<qint32> similarCandidates(const IndexView &index, const QString &query)
{
    // Every candidate similar to the query keeps either its first character
    // (an edit later on, or the shared stem) or its last character (an edit
    // at the very start), and has one of a few lengths.
    QList<qint32> ids;
    for (qsizetype length : similarLengths(query.size())) {
        if (length < 1)
            continue;
        for (qint32 id : index.CandidatesByFirst(length, query.front())) {
            if (words::IsSimilarFast(index.Candidate(id), query))
                ids.append(id);
        }
        for (qint32 id : index.CandidatesByLast(length, query.back())) {
            const QStringView candidate = index.Candidate(id);
            if (!candidate.isEmpty() && candidate.front() != query.front() && words::IsSimilarFast(candidate, query))
                ids.append(id);
        }
    }
    return ids;
}

void reserveForMatches(const IndexView &index, SearchState &state, std::span<const qint32> whole,
                       std::span<const WordOccurrence> inWords)
{
    // A common word can fill the result text with thousands of blocks;
    // growing it once avoids copying it over and over.
    qsizetype found = 0;
    qsizetype text = 0;
    for (qint32 record : whole)
        found += index.Source(record).size();
    // One block per matching entry, however often the word repeats in it.
    for (const WordOccurrence &occurrence : inWords) {
        found += index.Source(occurrence.record).size();
        text += index.Source(occurrence.record).size() + index.Target(occurrence.record).size()
            + 3 * words::BlockLineEnd.size();
    }
    state.FoundText.reserve(state.FoundText.size() + found);
    state.resultText.reserve(state.resultText.size() + text);
}

} // namespace

std::span<const qint32> WholeEntryRecords(const IndexView &index, const QString &word)
{
    return index.RecordsWithForm(words::ComparisonForm(word));
}

void FindExactMatches(const IndexView &index, SearchState &state, const QString &query, bool wordMatches)
{
    const QString key = words::FoldAccents(query);
    const std::span<const qint32> whole = index.RecordsWithForm(key);
    const std::span<const WordOccurrence> inWords =
        wordMatches ? index.Occurrences(key) : std::span<const WordOccurrence>();

    reserveForMatches(index, state, whole, inWords);

    // Both lists are in record order; walk them together so that lines,
    // blocks and FoundText come out in file order. A record matching as a
    // whole is never looked into for words.
    std::size_t w = 0;
    std::size_t o = 0;
    while (w < whole.size() || o < inWords.size()) {
        const qint32 nextWhole = w < whole.size() ? whole[w] : INT_MAX;
        const qint32 nextWord = o < inWords.size() ? inWords[o].record : INT_MAX;
        if (nextWhole <= nextWord) {
            const QStringView source = index.Source(nextWhole);
            const qsizetype before = state.translations.size();
            words::AddListItem(state, ResultList::Translations,
                               source.toString() + words::MatchSeparator + index.Target(nextWhole).toString());
            if (state.translations.size() != before)
                state.matches.append({source.toString(), index.Target(nextWhole).toString(), {}});
            state.FoundText += source;
            state.ExactFound = true;
            ++w;
            if (nextWord == nextWhole)
                ++o;
        } else {
            const WordOccurrence &occurrence = inWords[o++];
            words::ReportWordMatches(state, index.Source(occurrence.record).toString(), query,
                                     index.Target(occurrence.record).toString(), occurrence.beforeLast,
                                     occurrence.last != 0);
        }
    }
}

namespace {
// The words of an entry, each once, in the order they first come. A word
// offered again changes nothing (it is either not similar, or in FoundText
// since its first time), but finding that out searched all of FoundText
// each time: an entry of one word repeated tens of thousands of times took
// seconds.
QStringList distinctWords(const QStringList &words)
{
    QSet<QString> seen;
    QStringList distinct;
    for (const QString &word : words) {
        if (!seen.contains(word)) {
            seen.insert(word);
            distinct.append(word);
        }
    }
    return distinct;
}
} // namespace

void FindSimilarWords(const IndexView &index, SearchState &state, const QString &query)
{
    if (query.size() < words::MinimumSimilarQueryLength)
        return;
    index.PrepareSimilarCandidates();

    // Only the records holding a similar candidate can offer anything.
    struct Hit {
        qint32 record;
        qint32 candidate;
        bool operator<(const Hit &other) const { return record < other.record; }
    };
    QList<Hit> hits;
    for (qint32 id : similarCandidates(index, query)) {
        for (qint32 record : index.CandidateRecords(id))
            hits.append({record, id});
    }
    std::stable_sort(hits.begin(), hits.end());

    // Replaying those records in order keeps every FoundText check as a full
    // sweep makes it. Once a record has been replayed, each of its similar
    // candidates is in FoundText (added, or inside the entry that was added),
    // and FoundText only grows: a later record offering nothing else can be
    // passed over.
    QSet<qint32> reported;
    for (qsizetype first = 0; first < hits.size();) {
        const qint32 record = hits.at(first).record;
        qsizetype end = first;
        bool anythingNew = false;
        for (; end < hits.size() && hits.at(end).record == record; ++end)
            anythingNew = anythingNew || !reported.contains(hits.at(end).candidate);
        if (anythingNew) {
            const QString lowered = index.Source(record).toString().toLower();
            words::OfferSimilarCandidates(state, lowered,
                                          distinctWords(words::SplitWords(words::StripPunctuation(lowered))), query,
                                          words::IsSimilarFast);
            for (qsizetype i = first; i < end; ++i)
                reported.insert(hits.at(i).candidate);
        }
        first = end;
    }
}

} // namespace parlora
