#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace parlora {

// Lists read from files count with 16-bit signed integers in the file
// formats' tradition: no list holds more than this many elements.
inline constexpr int MaxListEntries = 32767;

// The main dictionary in file order. Element i of both lists is one record
// (stored from index 0; record numbers shown to people start at 1).
struct MainDictionary {
    QStringList Language1Entries;
    QStringList Language2Entries;

    int Count() const { return int(Language1Entries.size()); }
};

struct PhraseRecord {
    QString Language1;
    QString Language2;
};

// Display holds the phrases as read; Search their padded search form.
struct Phrasebook {
    QList<PhraseRecord> Display;
    QList<PhraseRecord> Search;

    int Count() const { return int(Display.size()); }
};

// A word-ending rewrite rule: both texts normally begin with "*".
struct GrammarRule {
    QString Pattern;
    QString Replacement;
};

struct GrammarList {
    QList<GrammarRule> Rules;

    int Count() const { return int(Rules.size()); }
};

} // namespace parlora
