#pragma once

#include "dictionary/languagepair.h"
#include "dictionary/personaldictionary.h"
#include "dictionary/progresssink.h"
#include "dictionary/wordlists.h"
#include "platform/applicationfolder.h"
#include "platform/datalocations.h"

#include <QList>

#include <optional>

namespace parlora {

// Everything loaded from the dic folder except the personal dictionary.
struct DictionaryData {
    MainDictionary mainDictionary;
    Phrasebook phrasebook;
    GrammarList language1Grammar;
    GrammarList language2Grammar;
};

// A missing main dictionary and one that is not a regular file (a FIFO, a
// device, a folder) give the same answer; one that exists but cannot be
// read is told apart, with the reason, and never taken for an empty one.
enum class LoadOutcome { Loaded, MainDictionaryMissing, MainDictionaryUnreadable };

// A file and why it could not be used.
struct FileProblem {
    QString file;
    QString reason;
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Loaded;
    // The main dictionary's problem when the outcome is not Loaded.
    FileProblem mainDictionary;
    // A phrasebook or grammar file that exists but could not be read; it
    // counts as empty for this run.
    QList<FileProblem> unreadableFiles;
    // The personal dictionary could not be read or created.
    std::optional<FileProblem> personalDictionary;
};

// Rebuilds the main dictionary from a file, reporting statusText and the
// progress bar as it goes.
void FileEncodeAndDecode(const QString &inputFile, const QString &statusText, MainDictionary &dictionary,
                         ProgressSink &progress);
QString ReadMarkedLine(TextFileReader &file);

// Which files LoadDictionaryFiles reads: a caller with a prepared index of
// the main dictionary, or without the phrase search, need not read them.
struct DictionaryParts {
    bool mainDictionary = true;
    bool phrasebook = true;
    // The grammar of the language searched (only with the phrasebook).
    bool language1Grammar = true;
    bool language2Grammar = true;
};

// Reads the main dictionary, the phrasebook and both grammar lists, and
// writes nothing: what the terminal tool needs. Stops at a missing or
// unreadable main dictionary (also when it is not to be read).
LoadResult LoadDictionaryFiles(const ApplicationFolder &folder, const LanguagePair &pair,
                               const QString &loadingStatusText, DictionaryData &data, ProgressSink &progress,
                               DictionaryParts parts = {});

// Loads every file of the pair in order: main dictionary (stops when it is
// missing or unreadable), phrasebook, both grammar lists, migration of an
// old personal dictionary, creation of an empty one, then the personal
// dictionary from where the user's files live. currentFolder stands for the
// process's current folder, where the oldest installations left their
// personal dictionary.
LoadResult LoadLanguagePair(const ApplicationFolder &folder, const QString &currentFolder, const LanguagePair &pair,
                            const DataLocations &locations, const QString &loadingStatusText, DictionaryData &data,
                            PersonalDictionary &personal, ProgressSink &progress);

} // namespace parlora
