#pragma once

#include "dictionary/languagepair.h"
#include "dictionary/languagepairloader.h"
#include "dictionary/personaldictionary.h"
#include "platform/applicationfolder.h"

namespace parlora::cli {

enum class ReadOutcome { Read, MainDictionaryMissing };

// Reads the pair's files the way start-up does, but strictly without writing:
// no personal dictionary is created or moved into place, since a terminal
// lookup must never change an installation. A missing personal dictionary
// simply reads as an empty one.
ReadOutcome readDataFiles(const ApplicationFolder &folder, const LanguagePair &pair, DictionaryData &data,
                          PersonalDictionary &personal);

} // namespace parlora::cli
