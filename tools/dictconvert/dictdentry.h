#pragma once

#include <QString>
#include <QStringList>

namespace parlora::dictconvert {

// What one dictd article contributes to the main dictionary: its headword as
// written and its translations, in the order of its senses.
struct DictdEntry {
    QString headword;
    QStringList translations;
};

// Reads one article of the Italian–Portuguese dictd data. Its shape:
//
//   headword /pronunciation/ <part of speech>
//   translation[, translation...][ 2.]        one sense, or senses numbered
//   gloss line(s) in Italian                  "1. ...", "2. ..." at line start
//    3.                                       an indented number: another gloss follows
//   gloss
//
// Only the first line of each sense holds translations; everything else
// (pronunciations, part-of-speech marks, sense and gloss numbers, glosses,
// leftover wiki braces and link brackets) is dropped.
DictdEntry parseDictdEntry(QStringView article);

// Splits a line of translations at the commas and semicolons that lie outside
// parentheses, so "maçaneta (porta, finestra)" stays whole. Pieces are trimmed
// and empty pieces dropped.
QStringList splitTranslations(QStringView line);

} // namespace parlora::dictconvert
