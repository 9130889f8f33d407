#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace parlora::dictconvert {

// What one dictd article contributes to the main dictionary: its headword as
// written, its part of speech ("n", "v", "pn" for a proper name...; empty
// when the header has none) and its translations, in the order of its senses.
struct DictdEntry {
    QString headword;
    QString partOfSpeech;
    QStringList translations;
};

// Tells whether a numbered line's text is a gloss in the headword's language
// rather than a sense: asked only where the article's shape allows both, right
// after a sense line.
using GlossTest = std::function<bool(QStringView text)>;

// Reads one article of the Italian–Portuguese dictd data. Its shape:
//
//   headword /pronunciation/ <part of speech>
//   translation[, translation...][ 2.]        one sense, or senses numbered
//   gloss line(s) in Italian                  "1. ...", "2. ..." at line start
//    3.                                       an indented number: another gloss follows
//   gloss
//
// Only the first line of each sense holds translations; everything else
// (pronunciations, sense and gloss numbers, glosses, leftover wiki braces and
// link brackets) is dropped. A gloss may itself start with the next sense's
// number ("3. protezione da qualcosa di esterno"); without a gloss test such
// a line counts as a sense.
DictdEntry parseDictdEntry(QStringView article, const GlossTest &isGloss = {});

// Splits a line of translations at the commas and semicolons that lie outside
// parentheses, so "maçaneta (porta, finestra)" stays whole. Pieces are trimmed
// and empty pieces dropped.
QStringList splitTranslations(QStringView line);

} // namespace parlora::dictconvert
