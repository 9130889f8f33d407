#include "words/searchstate.h"

#include <QStringBuilder>

namespace parlora::words {

void AddListItem(SearchState &state, ResultList list, const QString &text)
{
    if (state.translationLines.contains(text))
        return;
    if (list == ResultList::Translations) {
        state.translations.append(text);
        state.translationLines.insert(text);
    } else {
        state.similarWords.append(text);
    }
    state.addedLines.append({list, text});
}

void AppendResultBlock(SearchState &state, const QString &shown, const QString &target)
{
    state.resultText += shown % BlockLineEnd % target % BlockLineEnd % BlockLineEnd;
}

} // namespace parlora::words
