#include "translation/mappedindex.h"

#include "translation/searchindex.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace parlora {

namespace {

constexpr char Magic[8] = {'P', 'A', 'R', 'L', 'I', 'D', 'X', '\1'};
constexpr quint32 ByteOrderMark = 0x01020304;
// Raised whenever the layout or what the indexes hold changes.
constexpr quint32 FormatVersion = 1;
constexpr int Directions = 2;

using mapped::Region;
using mapped::TextRef;

struct DirectionRegions {
    Region forms;      // KeyedList, sorted by key
    Region words;      // KeyedList, sorted by key; lists of WordOccurrence
    Region candidates; // KeyedList by candidate id; key is the candidate
    Region byFirst;    // GroupList, sorted by key
    Region byLast;     // GroupList, sorted by key
};

struct Header {
    char magic[8];
    quint32 byteOrder;
    quint32 version;
    quint64 fileSize;
    qint64 sourceSize;
    qint64 sourceModified;
    quint64 recordCount;
    Region strings; // char16_t
    Region records; // RecordRef
    Region ints;    // qint32
    DirectionRegions directions[Directions];
};

struct RecordRef {
    TextRef language[Directions];
};

struct KeyedList {
    TextRef key;
    quint32 listOffset;
    quint32 listCount;
};

struct GroupList {
    quint64 key;
    quint32 listOffset;
    quint32 listCount;
    quint32 padding;
};

// Collects the parts of the file while it is written.
class Writer {
public:
    TextRef text(QStringView text)
    {
        const TextRef ref{quint32(m_strings.size()), quint32(text.size())};
        m_strings.append(text);
        return ref;
    }
    template <typename T>
    quint32 list(std::span<const T> items)
    {
        static_assert(sizeof(T) % sizeof(qint32) == 0);
        const quint32 offset = quint32(m_ints.size());
        const qsizetype ints = qsizetype(items.size() * (sizeof(T) / sizeof(qint32)));
        m_ints.resize(m_ints.size() + ints);
        if (ints > 0)
            std::memcpy(m_ints.data() + offset, items.data(), std::size_t(ints) * sizeof(qint32));
        return offset;
    }

    QString m_strings;
    QList<qint32> m_ints;
};

template <typename T>
std::span<const T> spanOf(const QList<T> &list)
{
    return {list.constData(), std::size_t(list.size())};
}

template <typename T>
QList<KeyedList> keyedLists(Writer &writer, const QHash<QString, QList<T>> &hash)
{
    QStringList keys = hash.keys();
    std::sort(keys.begin(), keys.end());
    QList<KeyedList> lists;
    lists.reserve(keys.size());
    for (const QString &key : keys) {
        const QList<T> &items = hash.value(key);
        lists.append({writer.text(key), writer.list(spanOf(items)), quint32(items.size())});
    }
    return lists;
}

QList<GroupList> groupLists(Writer &writer, const QHash<quint64, QList<qint32>> &hash)
{
    QList<quint64> keys = hash.keys();
    std::sort(keys.begin(), keys.end());
    QList<GroupList> lists;
    for (quint64 key : keys) {
        const QList<qint32> &ids = hash.value(key);
        lists.append({key, writer.list(spanOf(ids)), quint32(ids.size()), 0});
    }
    return lists;
}

} // namespace

struct MappedIndex::Layout {
    const uchar *data = nullptr;
    Header header{};

    template <typename T>
    std::span<const T> region(const Region &where) const
    {
        return mapped::elements<T>(data, where);
    }
    std::span<const char16_t> strings() const { return region<char16_t>(header.strings); }
    std::span<const qint32> ints() const { return region<qint32>(header.ints); }

    QStringView text(const TextRef &ref) const { return mapped::text(strings(), ref); }
    template <typename T>
    std::span<const T> list(quint32 offset, quint32 count) const
    {
        constexpr std::size_t width = sizeof(T) / sizeof(qint32);
        const std::span<const qint32> pool = ints();
        if (offset > pool.size() || std::size_t(count) * width > pool.size() - offset)
            return {};
        return {reinterpret_cast<const T *>(pool.data() + offset), std::size_t(count)};
    }
    template <typename T>
    std::span<const T> keyed(const Region &where, QStringView key) const
    {
        const std::span<const KeyedList> lists = region<KeyedList>(where);
        const auto it = std::lower_bound(lists.begin(), lists.end(), key,
                                         [this](const KeyedList &list, QStringView k) { return text(list.key) < k; });
        if (it == lists.end() || text(it->key) != key)
            return {};
        return list<T>(it->listOffset, it->listCount);
    }
    std::span<const qint32> group(const Region &where, quint64 key) const
    {
        const std::span<const GroupList> lists = region<GroupList>(where);
        const auto it = std::lower_bound(lists.begin(), lists.end(), key,
                                         [](const GroupList &list, quint64 k) { return list.key < k; });
        if (it == lists.end() || it->key != key)
            return {};
        return list<qint32>(it->listOffset, it->listCount);
    }
};

namespace indexfile {

std::optional<SourceStamp> stampOf(const QString &sourceFile)
{
    return sourceStampOf(sourceFile);
}

QByteArray serialize(const SourceStamp &stamp, const MainDictionary &dictionary, const SearchIndex &language1,
                     const SearchIndex &language2)
{
    Writer writer;
    QList<RecordRef> records;
    records.reserve(dictionary.Count());
    for (qsizetype i = 0; i < dictionary.Count(); ++i)
        records.append(RecordRef{{writer.text(dictionary.Language1Entries.at(i)),
                                  writer.text(dictionary.Language2Entries.at(i))}});

    QList<KeyedList> lists[Directions][3];
    QList<GroupList> groups[Directions][2];
    const SearchIndex *indexes[Directions] = {&language1, &language2};
    for (int d = 0; d < Directions; ++d) {
        const SearchIndex &index = *indexes[d];
        index.PrepareSimilarCandidates();
        lists[d][0] = keyedLists(writer, index.Forms());
        lists[d][1] = keyedLists(writer, index.Words());
        for (qint32 id = 0; id < qint32(index.Candidates().size()); ++id) {
            const std::span<const qint32> candidateRecords = index.CandidateRecords(id);
            lists[d][2].append({writer.text(index.Candidates().at(id)), writer.list(candidateRecords),
                                quint32(candidateRecords.size())});
        }
        groups[d][0] = groupLists(writer, index.CandidateGroupsByFirst());
        groups[d][1] = groupLists(writer, index.CandidateGroupsByLast());
    }

    Header header{};
    std::memcpy(header.magic, Magic, sizeof Magic);
    header.byteOrder = ByteOrderMark;
    header.version = FormatVersion;
    header.sourceSize = stamp.size;
    header.sourceModified = stamp.modifiedNanoseconds;
    header.recordCount = quint64(records.size());

    QByteArray file(sizeof(Header), '\0');
    header.strings = mapped::append(file, reinterpret_cast<const char16_t *>(writer.m_strings.constData()),
                            writer.m_strings.size());
    header.records = mapped::append(file, records.constData(), records.size());
    header.ints = mapped::append(file, writer.m_ints.constData(), writer.m_ints.size());
    for (int d = 0; d < Directions; ++d) {
        header.directions[d].forms = mapped::append(file, lists[d][0].constData(), lists[d][0].size());
        header.directions[d].words = mapped::append(file, lists[d][1].constData(), lists[d][1].size());
        header.directions[d].candidates = mapped::append(file, lists[d][2].constData(), lists[d][2].size());
        header.directions[d].byFirst = mapped::append(file, groups[d][0].constData(), groups[d][0].size());
        header.directions[d].byLast = mapped::append(file, groups[d][1].constData(), groups[d][1].size());
    }
    header.fileSize = quint64(file.size());
    std::memcpy(file.data(), &header, sizeof header);
    return file;
}

} // namespace indexfile

qsizetype MappedIndex::RecordCount() const
{
    return qsizetype(m_layout->header.recordCount);
}

QStringView MappedIndex::Source(qint32 record) const
{
    const std::span<const RecordRef> records = m_layout->region<RecordRef>(m_layout->header.records);
    if (record < 0 || std::size_t(record) >= records.size())
        return {};
    return m_layout->text(records[std::size_t(record)].language[m_direction]);
}

QStringView MappedIndex::Target(qint32 record) const
{
    const std::span<const RecordRef> records = m_layout->region<RecordRef>(m_layout->header.records);
    if (record < 0 || std::size_t(record) >= records.size())
        return {};
    return m_layout->text(records[std::size_t(record)].language[1 - m_direction]);
}

std::span<const qint32> MappedIndex::RecordsWithForm(QStringView form) const
{
    return m_layout->keyed<qint32>(m_layout->header.directions[m_direction].forms, form);
}

std::span<const WordOccurrence> MappedIndex::Occurrences(QStringView word) const
{
    return m_layout->keyed<WordOccurrence>(m_layout->header.directions[m_direction].words, word);
}

std::span<const qint32> MappedIndex::CandidatesByFirst(qsizetype length, QChar first) const
{
    return m_layout->group(m_layout->header.directions[m_direction].byFirst, lengthAndCharacter(length, first));
}

std::span<const qint32> MappedIndex::CandidatesByLast(qsizetype length, QChar last) const
{
    return m_layout->group(m_layout->header.directions[m_direction].byLast, lengthAndCharacter(length, last));
}

QStringView MappedIndex::Candidate(qint32 id) const
{
    const std::span<const KeyedList> candidates =
        m_layout->region<KeyedList>(m_layout->header.directions[m_direction].candidates);
    if (id < 0 || std::size_t(id) >= candidates.size())
        return {};
    return m_layout->text(candidates[std::size_t(id)].key);
}

std::span<const qint32> MappedIndex::CandidateRecords(qint32 id) const
{
    const std::span<const KeyedList> candidates =
        m_layout->region<KeyedList>(m_layout->header.directions[m_direction].candidates);
    if (id < 0 || std::size_t(id) >= candidates.size())
        return {};
    const KeyedList &candidate = candidates[std::size_t(id)];
    return m_layout->list<qint32>(candidate.listOffset, candidate.listCount);
}

MappedIndexFile::MappedIndexFile()
    : m_layout(std::make_unique<MappedIndex::Layout>()),
      m_indexes{MappedIndex(m_layout.get(), 0), MappedIndex(m_layout.get(), 1)}
{
}

MappedIndexFile::~MappedIndexFile() = default;

bool MappedIndexFile::attach(const uchar *data, qint64 size, const indexfile::SourceStamp &source)
{
    if (!data || size < qint64(sizeof(Header)))
        return false;
    Header header;
    std::memcpy(&header, data, sizeof header);
    if (std::memcmp(header.magic, Magic, sizeof Magic) != 0 || header.byteOrder != ByteOrderMark
        || header.version != FormatVersion || header.fileSize != quint64(size)
        || indexfile::SourceStamp{header.sourceSize, header.sourceModified} != source)
        return false;
    bool sound = mapped::fits(header.strings, size, sizeof(char16_t)) && mapped::fits(header.records, size, sizeof(RecordRef))
        && mapped::fits(header.ints, size, sizeof(qint32)) && header.records.count == header.recordCount;
    for (const DirectionRegions &direction : header.directions) {
        sound = sound && mapped::fits(direction.forms, size, sizeof(KeyedList)) && mapped::fits(direction.words, size, sizeof(KeyedList))
            && mapped::fits(direction.candidates, size, sizeof(KeyedList)) && mapped::fits(direction.byFirst, size, sizeof(GroupList))
            && mapped::fits(direction.byLast, size, sizeof(GroupList));
    }
    if (!sound)
        return false;
    m_layout->data = data;
    m_layout->header = header;
    return true;
}

std::unique_ptr<MappedIndexFile> MappedIndexFile::open(const QString &indexFile, const indexfile::SourceStamp &source)
{
    std::unique_ptr<MappedIndexFile> mapped(new MappedIndexFile);
    mapped->m_file = std::make_unique<QFile>(indexFile);
    if (!QFileInfo(indexFile).isFile() || !mapped->m_file->open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 size = mapped->m_file->size();
    const uchar *data = size > 0 ? mapped->m_file->map(0, size) : nullptr;
    if (!mapped->attach(data, size, source))
        return nullptr;
    return mapped;
}

std::unique_ptr<MappedIndexFile> MappedIndexFile::fromBytes(QByteArray bytes, const indexfile::SourceStamp &source)
{
    std::unique_ptr<MappedIndexFile> mapped(new MappedIndexFile);
    // Copied into 8-byte words, so that every region is aligned as in a
    // mapped file.
    mapped->m_aligned.resize((std::size_t(bytes.size()) + sizeof(quint64) - 1) / sizeof(quint64));
    if (!bytes.isEmpty())
        std::memcpy(mapped->m_aligned.data(), bytes.constData(), std::size_t(bytes.size()));
    if (!mapped->attach(reinterpret_cast<const uchar *>(mapped->m_aligned.data()), bytes.size(), source))
        return nullptr;
    return mapped;
}

} // namespace parlora
