#pragma once

#include "words/searchstate.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

#include <span>

namespace parlora {

// A word of an entry's comparison form: the record, how often the word comes
// before the entry's last word, and whether it is the last word (0 or 1).
// Three fixed-size integers, so that the index file can hold them as they are.
struct WordOccurrence {
    qint32 record = 0;
    qint32 beforeLast = 0;
    qint32 last = 0;
};

// The source side of one dictionary in one direction, prepared for the
// searches: kept in memory (SearchIndex) or read from the index file
// (MappedIndex). Both must answer alike; the searches below only ask these
// questions, so they give the same results whichever holds the index.
class IndexView {
public:
    virtual ~IndexView() = default;

    virtual qsizetype RecordCount() const = 0;
    virtual QStringView Source(qint32 record) const = 0;
    virtual QStringView Target(qint32 record) const = 0;

    // The records whose entry's comparison form (lower case, folded accents)
    // is the form, in record order.
    virtual std::span<const qint32> RecordsWithForm(QStringView form) const = 0;
    // The records whose comparison form holds the word among its stripped
    // words, in record order.
    virtual std::span<const WordOccurrence> Occurrences(QStringView word) const = 0;

    // The similar-word search's candidates (each lower-cased entry and each of
    // its words, once), by an id, with their records in order; grouped by
    // length and first or by length and last character.
    virtual void PrepareSimilarCandidates() const {}
    virtual std::span<const qint32> CandidatesByFirst(qsizetype length, QChar first) const = 0;
    virtual std::span<const qint32> CandidatesByLast(qsizetype length, QChar last) const = 0;
    virtual QStringView Candidate(qint32 id) const = 0;
    virtual std::span<const qint32> CandidateRecords(qint32 id) const = 0;
};

// A key of the candidate groups: a length and a character.
constexpr quint64 lengthAndCharacter(qsizetype length, QChar c)
{
    return (quint64(length) << 16) | c.unicode();
}

// The exact lookup of every record of the index in order: whole-entry lines,
// and with word matches the blocks of entries holding the query as a word.
void FindExactMatches(const IndexView &index, SearchState &state, const QString &query, bool wordMatches);
// The similar-word search of every record of the index in order.
void FindSimilarWords(const IndexView &index, SearchState &state, const QString &query);
// The records whose entry equals the word as a whole (after lower-casing and
// folding accents), in record order.
std::span<const qint32> WholeEntryRecords(const IndexView &index, const QString &word);

} // namespace parlora
