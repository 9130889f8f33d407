#pragma once

#include "words/searchstate.h"

#include <QString>

namespace parlora::words {

// The word match of an entry that does not match the prepared query as a
// whole, given which of its words equal the query: how many before the last,
// and whether the last one does. An entry holding the query as one or more
// of its words adds one highlighted block to the result text.
void ReportWordMatches(SearchState &state, const QString &source, const QString &query, const QString &target,
                       int matchingWordsBeforeLast, bool lastWordMatches);

} // namespace parlora::words
