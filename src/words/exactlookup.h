#pragma once

#include "words/searchstate.h"

#include <QString>

namespace parlora {
class PersonalDictionary;
}

namespace parlora::words {

// Tests one record against the prepared query: a whole-entry match adds
// "source --> target" to the translations list; with word matches enabled, an
// entry holding the query as one or more of its words adds one highlighted
// block to the result text.
void FindExactMatch(SearchState &state, const QString &source, const QString &query, const QString &target,
                    bool wordMatches);

// The word-match part of FindExactMatch for an entry already known not to
// match as a whole, given which of its words equal the query: every word
// before the last that matches, and whether the last one does.
void ReportWordMatches(SearchState &state, const QString &source, const QString &query, const QString &target,
                       int matchingWordsBeforeLast, bool lastWordMatches);

// FindExactMatch over every personal entry in stored order; direction true
// searches the words and shows their translations.
void FindPersonalExactMatches(SearchState &state, const PersonalDictionary &personal, const QString &query,
                              bool direction, bool wordMatches);

} // namespace parlora::words
