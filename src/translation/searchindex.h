#pragma once

#include "translation/indexview.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace parlora {

// The source side of one dictionary in memory, prepared once so that a
// translation visits only the records that can match. Searching it gives
// exactly what sweeping the records in order gives.
class SearchIndex final : public IndexView {
public:
    // targets[i] is shown with sources[i]; both lists are copied (cheaply:
    // they share their data until either side changes).
    SearchIndex(const QStringList &sources, const QStringList &targets);
    // An index over lists kept elsewhere, which must outlive it and change
    // only with an InsertRecord or RemoveRecord right after (the personal
    // dictionary's store).
    SearchIndex(const QStringList *sources, const QStringList *targets);
    SearchIndex(const SearchIndex &other);
    SearchIndex &operator=(const SearchIndex &other);

    qsizetype RecordCount() const override { return m_sources->size(); }
    QStringView Source(qint32 record) const override { return m_sources->at(record); }
    QStringView Target(qint32 record) const override { return m_targets->at(record); }
    std::span<const qint32> RecordsWithForm(QStringView form) const override;
    std::span<const WordOccurrence> Occurrences(QStringView word) const override;

    // The candidates of the similar-word search are gathered on its first
    // use, so that people who switch that search off never wait for them;
    // a caller may gather them earlier.
    void PrepareSimilarCandidates() const override;
    std::span<const qint32> CandidatesByFirst(qsizetype length, QChar first) const override;
    std::span<const qint32> CandidatesByLast(qsizetype length, QChar last) const override;
    QStringView Candidate(qint32 id) const override { return m_candidates.at(id); }
    std::span<const qint32> CandidateRecords(qint32 id) const override;

    // A record put in at a position, or taken out: the later records move by
    // one, as they do in the personal dictionary, without building anew. The
    // lists hold the record already (or no more) when these are called.
    void InsertRecord(qint32 record);
    void RemoveRecord(qint32 record);

    // What the index file stores.
    const QHash<QString, QList<qint32>> &Forms() const { return m_recordsByForm; }
    const QHash<QString, QList<WordOccurrence>> &Words() const { return m_occurrencesByWord; }
    const QStringList &Candidates() const { return m_candidates; }
    const QHash<quint64, QList<qint32>> &CandidateGroupsByFirst() const { return m_candidatesByFirst; }
    const QHash<quint64, QList<qint32>> &CandidateGroupsByLast() const { return m_candidatesByLast; }

private:
    void build();
    void addExactForms(qint32 id, const QString &form, const QStringList &entryWords);
    void addSimilarCandidates(qint32 id, const QString &source) const;
    qint32 candidateId(const QString &candidate) const;
    // The lists below hold record ids: the record's position when the index
    // was built, or a new id for a record put in later. After an insertion
    // or removal, ids and positions part, and a list is answered through
    // m_positionOf, sorted, in a scratch list valid until the next call.
    bool renumbered() const { return !m_positionOf.isEmpty(); }
    std::span<const qint32> positions(const QList<qint32> &ids, QList<qint32> &scratch) const;

    QStringList m_ownSources;
    QStringList m_ownTargets;
    const QStringList *m_sources;
    const QStringList *m_targets;
    // Once records moved: the position of every id (-1 once taken out) and
    // the id at every position.
    QList<qint32> m_positionOf;
    QList<qint32> m_idAt;
    mutable QList<qint32> m_formScratch;
    mutable QList<WordOccurrence> m_wordScratch;
    mutable QList<qint32> m_candidateScratch;

    QHash<QString, QList<qint32>> m_recordsByForm;
    QHash<QString, QList<WordOccurrence>> m_occurrencesByWord;

    // Every distinct candidate of the similar-word search (lower-cased entry
    // or word) with the records it comes from, and the candidates grouped by
    // length and first or last character: a similar candidate shares one of
    // them with the query.
    mutable bool m_similarPrepared = false;
    mutable QStringList m_candidates;
    mutable QList<QList<qint32>> m_candidateRecords;
    mutable QHash<QString, qint32> m_candidateIds;
    mutable QHash<quint64, QList<qint32>> m_candidatesByFirst;
    mutable QHash<quint64, QList<qint32>> m_candidatesByLast;
};

} // namespace parlora
