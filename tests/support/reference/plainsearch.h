#pragma once

#include "dictionary/personaldictionary.h"
#include "dictionary/progresssink.h"
#include "dictionary/wordlists.h"
#include "words/searchstate.h"

#include <QString>
#include <QStringView>

// The searches as the program first did them: every record in order, every
// test worked out in full. The tests and benchmarks compare the fast searches
// with these.

namespace parlora::words {

// Distances and lengths count with 16-bit integers; no dictionary line comes
// near this length.
using Distance = qint16;

// Levenshtein distance: insertion, deletion and substitution cost 1 each
// (a transposition therefore costs 2). Characters compare by exact code.
Distance EditDistance(QStringView a, QStringView b);

// A candidate differs from the query and shares its stem or is exactly one
// edit away, worked out with a full distance table.
bool IsSimilar(QStringView candidate, QStringView query);

// Tests one record against the prepared query: a whole-entry match adds
// "source --> target" to the translations list; with word matches enabled, an
// entry holding the query as one or more of its words adds one highlighted
// block to the result text.
void FindExactMatch(SearchState &state, const QString &source, const QString &query, const QString &target,
                    bool wordMatches);

// FindExactMatch over every personal entry in stored order; direction true
// searches the words and shows their translations.
void FindPersonalExactMatches(SearchState &state, const PersonalDictionary &personal, const QString &query,
                              bool direction, bool wordMatches);

// Offers the lower-cased entry, or else each of its words, as similar words;
// a candidate already contained in FoundText is skipped.
void FindSimilarWords(SearchState &state, const QString &source, const QString &query);

// FindSimilarWords over every personal entry in stored order.
void FindPersonalSimilarWords(SearchState &state, const PersonalDictionary &personal, const QString &query,
                              bool direction);

} // namespace parlora::words

namespace parlora::phrasebook {

// Appends, rule by rule and then in phrasebook order, every phrase whose
// search form holds a rewritten query as a whole word (in any case), with its
// translation. Advances the progress bar once per rule. No duplicate test is
// made.
void SearchPhrasebook(SearchState &state, const QString &query, const GrammarList &grammar,
                      const Phrasebook &phrasebook, bool direction, ProgressSink &progress);

} // namespace parlora::phrasebook
