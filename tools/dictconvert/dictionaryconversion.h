#pragma once

#include "dictdindex.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace parlora::dictconvert {

struct DictionaryRecord {
    QString language1; // the Italian headword
    QString language2; // one Portuguese translation
};

struct ConversionResult {
    QList<DictionaryRecord> records;
    int articles = 0;             // articles read from the index
    int articlesWithoutTranslation = 0;
    int duplicatesDropped = 0;
    int unencodableSkipped = 0;   // records Windows-1252 cannot hold
    QString error;                // empty on success
};

// Turns the articles named by the index, in index order, into records: one
// per headword and translation, senses in their order, repeats dropped.
ConversionResult convertArticles(const QList<IndexEntry> &index, const QByteArray &dictionaryText);

// Reads a dictd pair (.index and .dict.dz) and converts it.
ConversionResult convertDictdFiles(const QString &indexPath, const QString &dictionaryPath);

// The main dictionary file's lines: entry, translation, empty separator.
QStringList mainDictionaryLines(const QList<DictionaryRecord> &records);

} // namespace parlora::dictconvert
