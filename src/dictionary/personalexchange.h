#pragma once

#include "dictionary/personaldictionary.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace parlora::exchange {

// The personal dictionary as a flash-card program or a spreadsheet reads it:
// UTF-8 text, one pair per line after a header line naming the two columns.
//   Tsv: word, TAB, translation. A pair with a tab or a line break in it
//        cannot be written (TSV has no quoting) and is left out, counted.
//   Csv: RFC 4180, every field quoted when it holds a comma, a quote or a
//        line break, quotes doubled.
// Reading also takes a personal dictionary file of another installation
// (PersonalFile: Windows-1252, a line each for word and translation).
enum class Format { Tsv, Csv, PersonalFile };

// The format a file name stands for (.tsv, .txt, .csv, .per).
Format formatForFile(const QString &fileName);

struct Export {
    QByteArray bytes;
    qsizetype written = 0;
    qsizetype leftOut = 0; // pairs the format cannot hold
};
Export exportPairs(const PersonalDictionary &store, Format format);

// Why a line of an imported file is not taken.
enum class Refusal {
    UnstorableCharacter, // a character the personal dictionary's file cannot hold
    EmptySide,
    TooLong,             // longer than the panel accepts
    NotAPair,            // not two fields (a tab in the data, one field only)
};

struct RefusedLine {
    qsizetype line = 0; // counted from 1, the header included
    Refusal reason = Refusal::NotAPair;
};

// What an import would do, worked out before anything changes: the pairs it
// adds (trimmed, each once), how many are there already, which lines are
// refused and why.
struct ImportPlan {
    QList<std::pair<QString, QString>> toAdd;
    qsizetype alreadyPresent = 0;
    QList<RefusedLine> refused;
};
ImportPlan planImport(const PersonalDictionary &store, const QByteArray &bytes, Format format);

// The longest word or translation the personal dictionary takes.
inline constexpr qsizetype MaxFieldLength = 50;

} // namespace parlora::exchange
