#include "words/exactlookup.h"

#include "dictionary/personaldictionary.h"
#include "words/textrules.h"

namespace parlora::words {

void FindExactMatch(SearchState &state, const QString &source, const QString &query, const QString &target,
                    bool wordMatches)
{
    const QString entry = ComparisonForm(source);
    const QString key = FoldAccents(query);
    if (entry == key) {
        AddListItem(state, ResultList::Translations, source + MatchSeparator + target);
        state.FoundText += source;
        state.ExactFound = true;
        return;
    }
    if (!wordMatches)
        return;

    const QStringList entryWords = SplitWords(StripPunctuation(entry));
    int beforeLast = 0;
    for (qsizetype i = 0; i + 1 < entryWords.size(); ++i) {
        if (entryWords.at(i) == key)
            ++beforeLast;
    }
    ReportWordMatches(state, source, query, target, beforeLast, entryWords.constLast() == key);
}

void ReportWordMatches(SearchState &state, const QString &source, const QString &query, const QString &target,
                       int matchingWordsBeforeLast, bool lastWordMatches)
{
    // The shown copy is highlighted again for every match, and the last word
    // records the copy as it was before its own highlighting: both orders are
    // visible in FoundText, which the similar-word search reads.
    QString shown = source;
    for (int i = 0; i < matchingWordsBeforeLast; ++i) {
        shown = Highlight(shown, query);
        AppendResultBlock(state, shown, target);
        state.FoundText += shown;
        state.ExactFound = true;
    }
    if (lastWordMatches) {
        state.FoundText += shown;
        shown = Highlight(shown, query);
        AppendResultBlock(state, shown, target);
        state.ExactFound = true;
    }
}

void FindPersonalExactMatches(SearchState &state, const PersonalDictionary &personal, const QString &query,
                              bool direction, bool wordMatches)
{
    const QStringList &sources = direction ? personal.Words() : personal.Translations();
    const QStringList &targets = direction ? personal.Translations() : personal.Words();
    for (qint32 i = 0; i < personal.EntryCount(); ++i)
        FindExactMatch(state, sources.at(i), query, targets.at(i), wordMatches);
}

} // namespace parlora::words
