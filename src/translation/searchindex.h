#pragma once

#include "words/searchstate.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace parlora {

// The source side of one dictionary, prepared once so that a translation
// visits only the records that can match. Sweeping the records of a
// dictionary in order with FindExactMatch and FindSimilarWords gives exactly
// what the two sweeps of this index give.
class SearchIndex {
public:
    // targets[i] is shown with sources[i]; both lists are copied (cheaply:
    // they share their data until either side changes).
    SearchIndex(const QStringList &sources, const QStringList &targets);

    // The exact lookup of every record in order.
    void FindExactMatches(SearchState &state, const QString &query, bool wordMatches) const;
    // The similar-word search of every record in order.
    void FindSimilarWords(SearchState &state, const QString &query) const;

    // The records whose entry equals the word as a whole (after lower-casing
    // and folding accents), in file order.
    QList<int> WholeEntryRecords(const QString &word) const;
    bool HasWholeEntry(const QString &word) const { return !WholeEntryRecords(word).isEmpty(); }
    const QString &Source(int record) const { return m_sources.at(record); }
    const QString &Target(int record) const { return m_targets.at(record); }

    // The candidates of the similar-word search are gathered on its first
    // use, so that people who switch that search off never wait for them;
    // a caller may gather them earlier.
    void PrepareSimilarCandidates() const;

    // Whether the index was built from these very lists (not merely equal
    // ones): a list that has changed since no longer shares its data.
    bool isBuiltFrom(const QStringList &sources, const QStringList &targets) const;

private:
    // The records in which an entry's comparison form holds a word, with how
    // often it occurs before the last word and whether it is the last word.
    struct WordOccurrence {
        int record = 0;
        int beforeLast = 0;
        bool last = false;
    };

    void addExactForms(int record, const QString &form, const QStringList &entryWords);
    void addSimilarCandidates(int record, const QString &lowered, const QStringList &loweredWords) const;
    int candidateId(const QString &candidate) const;
    QList<int> similarCandidates(const QString &query) const;
    void reserveForMatches(SearchState &state, const QList<int> &whole, const QList<WordOccurrence> &inWords) const;

    QStringList m_sources;
    QStringList m_targets;

    QHash<QString, QList<int>> m_recordsByForm;
    QHash<QString, QList<WordOccurrence>> m_occurrencesByWord;

    // Every distinct candidate of the similar-word search (lower-cased entry
    // or word) with the records it comes from, and the candidates grouped by
    // length and first or last character: a similar candidate shares one of
    // them with the query.
    mutable bool m_similarPrepared = false;
    mutable QStringList m_candidates;
    mutable QList<QList<int>> m_candidateRecords;
    mutable QHash<QString, int> m_candidateIds;
    mutable QHash<quint64, QList<int>> m_candidatesByFirst;
    mutable QHash<quint64, QList<int>> m_candidatesByLast;
};

} // namespace parlora
