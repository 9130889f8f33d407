#pragma once

#include "dictionary/languagepair.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/progresssink.h"
#include "dictionary/wordlists.h"
#include "platform/applicationfolder.h"

namespace parlora {

// Everything loaded from the dic folder except the personal dictionary.
struct DictionaryData {
    MainDictionary mainDictionary;
    Phrasebook phrasebook;
    GrammarList language1Grammar;
    GrammarList language2Grammar;
};

enum class LoadOutcome { Loaded, MainDictionaryMissing };

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Loaded;
    // Set when the personal dictionary could not be read or created.
    QString personalDictionaryError;
};

// Rebuilds the main dictionary from a file, reporting statusText and the
// progress bar as it goes.
void FileEncodeAndDecode(const QString &inputFile, const QString &statusText, MainDictionary &dictionary,
                         ProgressSink &progress);
QString ReadMarkedLine(TextFileReader &file);

// Reads the main dictionary, the phrasebook and both grammar lists, and
// writes nothing: what the terminal tool needs. Stops at a missing main
// dictionary.
LoadOutcome LoadDictionaryFiles(const ApplicationFolder &folder, const LanguagePair &pair,
                                const QString &loadingStatusText, DictionaryData &data, ProgressSink &progress);

// Loads every file of the pair in order: main dictionary (stops when it is
// missing), phrasebook, both grammar lists, migration of an old personal
// dictionary, creation of an empty one, then the personal dictionary.
// currentFolder stands for the process's current folder, where the oldest
// installations left their personal dictionary.
LoadResult LoadLanguagePair(const ApplicationFolder &folder, const QString &currentFolder, const LanguagePair &pair,
                            const QString &loadingStatusText, DictionaryData &data, PersonalDictionary &personal,
                            ProgressSink &progress);

} // namespace parlora
