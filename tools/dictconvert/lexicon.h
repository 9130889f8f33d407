#pragma once

#include "dictionaryrecord.h"
#include "wordlanguage.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace parlora::dictconvert {

// The core lexicon is written in two directions: Italian headwords with
// their Portuguese translations (folder it-pt) and Portuguese headwords with
// their Italian translations (folder pt-it), each line one pair, the lines of
// a headword most common sense first.
enum class LexiconDirection { ItalianToPortuguese, PortugueseToItalian };

struct LexiconLine {
    LexiconDirection direction = LexiconDirection::ItalianToPortuguese;
    QString headword;
    QString translation;
    QString partOfSpeech;
    QString origin; // "file:line", for reports

    QString italian() const { return direction == LexiconDirection::ItalianToPortuguese ? headword : translation; }
    QString portuguese() const { return direction == LexiconDirection::ItalianToPortuguese ? translation : headword; }
};

struct LexiconReadResult {
    QList<LexiconLine> lines;
    QStringList problems; // "file:line: what is wrong"; such lines are left out unless the fault is harmless
    int files = 0;
    int skippedLines = 0;
    QString error; // a file could not be read
};

// Why a line cannot be used as a pair, or an empty string. Checks what the
// dictionary file needs: three fields, a known part of speech, no brackets,
// slashes or gender marks in a searchable side, only Windows-1252 letters,
// and, given a speller, no Italian-only word on the Portuguese side.
QString lexiconLineProblem(const LexiconLine &line, const WordKnowledge *knowledge);

// Parses one file's text. origin names the file in reports.
void parseLexiconText(const QString &text, LexiconDirection direction, const QString &origin,
                      const WordKnowledge *knowledge, LexiconReadResult &result);

// Reads every *.tsv of folder/it-pt, then of folder/pt-it, each folder's
// files in order of their names. A missing folder reads as empty.
LexiconReadResult readLexiconFolder(const QString &folder, const WordKnowledge *knowledge);

struct OrderedLexicon {
    QList<DictionaryRecord> records;
    QList<int> rank; // per record: its best place among its headwords' lines, 0 = first
    int repeatedLines = 0;
    int cyclesBroken = 0;
};

// One record per pair (compared up to case), in an order that shows every
// headword's translations as the lexicon ranks them: for each Italian word,
// its it-pt lines in their order and before any other record with that
// Italian side; for each Portuguese word likewise with its pt-it lines. Where
// the rankings contradict each other the order is decided at the record
// least bound by the others, and the broken cycles are counted. Records the
// rankings leave free keep the order in which the lexicon first names them.
OrderedLexicon orderLexicon(const QList<LexiconLine> &lines);

} // namespace parlora::dictconvert
