#pragma once

#include "dictionary/wordlists.h"
#include "platform/mappedfile.h"
#include "translation/indexview.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QFile;

namespace parlora {

class SearchIndex;

// The main dictionary's records and the search forms of both directions in
// one file, laid out so that it can be mapped into memory and searched
// where it lies: a lookup from the terminal reads only the pages it needs
// instead of parsing the dictionary and building every index again.
//
// The file is a cache: it names the size and modification time of the
// dictionary it was made from, and one that does not match, is cut short or
// is damaged anywhere is refused (never trusted: every offset is checked
// before it is followed), so that the caller builds the indexes in memory.
namespace indexfile {

// What the cache was made from; a different one makes it stale.
using parlora::SourceStamp;
std::optional<SourceStamp> stampOf(const QString &sourceFile);

// The file's bytes for a dictionary and the indexes of its two directions
// (language 1 searched, language 2 searched), similar-word candidates
// included.
QByteArray serialize(const SourceStamp &stamp, const MainDictionary &dictionary, const SearchIndex &language1,
                     const SearchIndex &language2);

} // namespace indexfile

// One direction of a mapped index file.
class MappedIndex final : public IndexView {
public:
    qsizetype RecordCount() const override;
    QStringView Source(qint32 record) const override;
    QStringView Target(qint32 record) const override;
    std::span<const qint32> RecordsWithForm(QStringView form) const override;
    std::span<const WordOccurrence> Occurrences(QStringView word) const override;
    std::span<const qint32> CandidatesByFirst(qsizetype length, QChar first) const override;
    std::span<const qint32> CandidatesByLast(qsizetype length, QChar last) const override;
    QStringView Candidate(qint32 id) const override;
    std::span<const qint32> CandidateRecords(qint32 id) const override;

private:
    friend class MappedIndexFile;
    struct Layout;
    MappedIndex(const Layout *layout, int direction) : m_layout(layout), m_direction(direction) {}

    const Layout *m_layout = nullptr;
    int m_direction = 0;
};

// An index file mapped into memory, holding both directions.
class MappedIndexFile {
public:
    // Nothing when the file is missing, stale for the source, or not a
    // complete, sound index file.
    static std::unique_ptr<MappedIndexFile> open(const QString &indexFile, const indexfile::SourceStamp &source);
    // The same over bytes already in memory (tests, fuzzing).
    static std::unique_ptr<MappedIndexFile> fromBytes(QByteArray bytes, const indexfile::SourceStamp &source);
    ~MappedIndexFile();

    // true: language 1 is searched.
    const MappedIndex &index(bool direction) const { return m_indexes[direction ? 0 : 1]; }

private:
    MappedIndexFile();
    bool attach(const uchar *data, qint64 size, const indexfile::SourceStamp &source);

    std::unique_ptr<QFile> m_file;
    std::vector<quint64> m_aligned;
    std::unique_ptr<MappedIndex::Layout> m_layout;
    MappedIndex m_indexes[2];
};

} // namespace parlora
