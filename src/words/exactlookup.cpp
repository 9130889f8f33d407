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
    if (matchingWordsBeforeLast == 0 && !lastWordMatches)
        return;
    // One block per entry, whatever number of its words match: the block
    // shows every match highlighted already, and a block per match made an
    // entry of many repeated words cost the square of its length. A match
    // before the last word records the highlighted copy in FoundText, a match
    // of the last word alone the copy as it was before highlighting; the
    // similar-word search reads FoundText.
    const QString shown = Highlight(source, query);
    state.FoundText += matchingWordsBeforeLast > 0 ? shown : source;
    AppendResultBlock(state, shown, target);
    state.ExactFound = true;
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
