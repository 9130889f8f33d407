#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace parlora {

enum class ResultList { Translations, SimilarWords };

// One line as it was added to a result list, in the order of adding; the
// window replays these to apply the widest-line rule for horizontal scrolling.
struct AddedLine {
    ResultList list = ResultList::Translations;
    QString text;
};

// An entry matched as a whole (or an entry of a base form of the query), for
// those who want the pairs rather than the lines (the terminal's JSON).
struct MatchedPair {
    QString source;
    QString target;
    QString baseForm; // the base form that led to the entry, if any
};

// The state and the results of one translation. The searches only append;
// the window shows the lists and the text once the run is over.
struct SearchState {
    bool ExactFound = false;
    bool SimilarFound = false;
    // Everything already reported, concatenated without separators; the
    // similar-word search skips candidates contained in it.
    QString FoundText;

    QStringList translations;    // lstTraduzioni
    // The lines of translations, so that the duplicate test of a new line
    // does not read them all: a word that thousands of entries hold made
    // that test cost the square of their number.
    QSet<QString> translationLines;
    QStringList similarWords;    // lstSimili
    QString resultText;          // Text1
    QList<AddedLine> addedLines; // both lists, in adding order
    QList<MatchedPair> matches;  // the pairs behind the translations' lines

    void reset() { *this = SearchState(); }
};

namespace words {

// Separates an entry from its translation in a line of the translations list.
inline const QString MatchSeparator = QStringLiteral(" --> ");
inline const QString BlockLineEnd = QStringLiteral("\r\n");

// Appends text to a result list unless the translations list already holds
// it — whichever list is the target — and records the line for the window.
void AddListItem(SearchState &state, ResultList list, const QString &text);

// Appends one two-line block (match, translation, blank line) to the result text.
void AppendResultBlock(SearchState &state, const QString &shown, const QString &target);

} // namespace words
} // namespace parlora
