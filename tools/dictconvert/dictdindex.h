#pragma once

#include <QList>
#include <QString>

namespace parlora::dictconvert {

// One line of a dictd index: where the article of a headword lies in the
// uncompressed dictionary text, in bytes.
struct IndexEntry {
    QString headword;
    qint64 offset = 0;
    qint64 length = 0;
};

struct IndexReadResult {
    QList<IndexEntry> entries;
    QString error; // empty on success
};

// Decodes dictd's base-64 numbers (most significant digit first).
// Returns -1 for an empty text or a character outside the alphabet.
qint64 decodeDictdNumber(QStringView digits);

// Parses "headword<TAB>offset<TAB>length"; false when the line has another shape.
bool parseIndexLine(QStringView line, IndexEntry &entry);

// Reads a UTF-8 index file. The dictionary's own metadata articles
// (headwords beginning with "00database" or "00-database") are left out.
IndexReadResult readIndexFile(const QString &path);

} // namespace parlora::dictconvert
