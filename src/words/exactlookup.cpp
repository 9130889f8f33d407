#include "words/exactlookup.h"

#include "words/textrules.h"

namespace parlora::words {

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


} // namespace parlora::words
