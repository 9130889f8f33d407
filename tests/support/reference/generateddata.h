#pragma once

#include "dictionary/languagepairloader.h"
#include "dictionary/personaldictionary.h"
#include "platform/textfile.h"

#include <QList>
#include <QPair>
#include <QString>

namespace parlora::generated {

// How much data to make; the defaults are the largest the file formats hold
// for the main dictionary and a generous amount of everything else.
struct Sizes {
    int mainRecords = MaxListEntries;
    int personalEntries = 5000;
    int phrases = 5000;
    int rulesPerLanguage = 40;
    // Words each language draws from; fewer words means more repeats.
    int vocabulary = 9000;
};

// Italian/Portuguese-looking data: accented letters, capitals, multi-word
// entries, punctuation, repeated entries and words that differ by one letter.
struct Data {
    DictionaryData dictionary;
    QList<QPair<QString, QString>> personalEntries;
};

struct Query {
    QString text;
    bool direction = true;
};

Data MakeData(quint32 seed, const Sizes &sizes = {});

// Puts the generated personal entries into a store (no undo steps matter).
void FillPersonalDictionary(PersonalDictionary &personal, const Data &data);

// A fixed mix of typed texts for both directions: entries as stored, typed in
// other case or with apostrophes for accents, single words of longer entries,
// misspellings, beginnings, misses, one- and two-letter texts, long texts,
// spaces around and only spaces.
QList<Query> MakeQueries(const Data &data, quint32 seed, int count);

// Writes the pair's files under folder/dic in their file formats.
SaveResult WriteDataFiles(const Data &data, const QString &folder);

} // namespace parlora::generated
