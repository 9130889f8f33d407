#pragma once

#include "dictdindex.h"
#include "dictionaryrecord.h"
#include "freedictcleaning.h"
#include "lexicon.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace parlora::dictconvert {

struct ConversionResult {
    QList<DictionaryRecord> records;
    // Per record: how weak it is, for trimming to the record limit. A word no
    // Portuguese dictionary knows weighs most, then a headword the Italian
    // dictionary does not know, then a translation past an article's second.
    QList<int> weakness;
    int articles = 0; // articles read from the index
    int articlesWithoutTranslation = 0;
    CleaningCounts counts;
    QString error; // empty on success
};

// Turns the articles named by the index, in index order, into records: one
// per headword and translation, senses in their order, cleaned by the rules
// of the setup, repeats (up to case) dropped. keepLog asks for the log of
// every rule's work in counts.log.
ConversionResult convertArticles(const QList<IndexEntry> &index, const QByteArray &dictionaryText,
                                 const CleaningSetup &setup, bool keepLog = false);

// Reads a dictd pair (.index and .dict.dz) and converts it.
ConversionResult convertDictdFiles(const QString &indexPath, const QString &dictionaryPath,
                                   const CleaningSetup &setup, bool keepLog = false);

struct MergeResult {
    QList<DictionaryRecord> records;
    int lexiconRecords = 0;  // of the lexicon's records, how many were kept
    int sourceRecords = 0;   // of the converted source's, how many were kept
    int lexiconDropped = 0;  // lexicon records over the limit once no source record was left
    CleaningCounts counts;   // InLexicon and OverBudget
};

// The lexicon's records first, in their order, then the source's records the
// lexicon does not hold. Over the limit, the weakest source records go
// first, then the lexicon's least ranked ones; the order of the rest stays.
MergeResult mergeWithLexicon(const OrderedLexicon &lexicon, const ConversionResult &source, int limit);

// The main dictionary file's lines: entry, translation, empty separator.
QStringList mainDictionaryLines(const QList<DictionaryRecord> &records);

} // namespace parlora::dictconvert
