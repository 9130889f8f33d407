#pragma once

// The pieces the program's cache files are built from. A cache file is
// mapped into memory and read in place: blocks of fixed-size records at
// aligned offsets, texts as slices of one UTF-16 pool, and the size and
// time of the file it was made from, which tell a stale cache. Anything
// read from a cache file is checked against its size first, so that a
// damaged file is refused, never read outside.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace parlora {

// The size and modification time (in nanoseconds, so that an edit within
// the same second counts) of a regular file.
struct SourceStamp {
    qint64 size = 0;
    qint64 modifiedNanoseconds = 0;
    bool operator==(const SourceStamp &) const = default;
};
// Nothing when the file is missing or not a regular file.
std::optional<SourceStamp> sourceStampOf(const QString &file);

namespace mapped {

inline constexpr qsizetype Alignment = 8;

// A block of elements: bytes from the start of the file, and how many.
struct Region {
    quint64 offset = 0;
    quint64 count = 0;
};

// A text: a slice of the file's pool of UTF-16 code units.
struct TextRef {
    quint32 offset;
    quint32 length;
};

// Appends a block at an aligned offset and says where it went.
template <typename T>
Region append(QByteArray &file, const T *items, qsizetype count)
{
    file.append(QByteArray((Alignment - file.size() % Alignment) % Alignment, '\0'));
    const Region region{quint64(file.size()), quint64(count)};
    file.append(reinterpret_cast<const char *>(items), count * qsizetype(sizeof(T)));
    return region;
}

// Whether a region of elements of a size lies inside the file.
inline bool fits(const Region &region, qint64 fileSize, qsizetype elementSize)
{
    if (region.offset % Alignment != 0 || region.offset > quint64(fileSize))
        return false;
    return region.count <= (quint64(fileSize) - region.offset) / quint64(elementSize);
}

// The elements of a region already found to fit.
template <typename T>
std::span<const T> elements(const uchar *data, const Region &where)
{
    return {reinterpret_cast<const T *>(data + where.offset), std::size_t(where.count)};
}

// The text of a reference, or nothing when it reaches outside the pool.
inline QStringView text(std::span<const char16_t> pool, const TextRef &ref)
{
    if (ref.offset > pool.size() || ref.length > pool.size() - ref.offset)
        return {};
    return QStringView(pool.data() + ref.offset, qsizetype(ref.length));
}

} // namespace mapped
} // namespace parlora
