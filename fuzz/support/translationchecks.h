#pragma once

// Properties of a translation that every fuzz target searching the data
// checks the same way.

#include "dictionary/languagepairloader.h"
#include "dictionary/personaldictionary.h"
#include "translation/translate.h"

namespace parlora::fuzz {

// The texts a translation shows a person, in characters.
qsizetype shownSize(const TranslationResult &result);

// A translation shows each matching entry, phrase or base form once, so
// what it shows grows with the data and the query, never with a square of
// them: an entry of many repeated words once made a block per repeat.
void checkBounded(const TranslationResult &result, const DictionaryData &data, const PersonalDictionary &personal,
                  const QString &query);

// Whether the plain sweep of the data for the query finishes well within
// the time bound: it works out a full distance table for every candidate
// of the similar-word search, so its cost is the data's size times the
// query's.
bool plainSweepAffordable(const DictionaryData &data, const PersonalDictionary &personal, const QString &query);

// Two translations of the same query show the same.
void checkSame(const TranslationResult &fast, const TranslationResult &plain, const QString &what);

// All four combinations of the similar-word and phrase searches, base
// forms as asked.
QList<Settings> allOptions(bool baseForms);

} // namespace parlora::fuzz
