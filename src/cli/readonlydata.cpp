#include "cli/readonlydata.h"

#include "phrasebook/phrasepadding.h"
#include "platform/textfile.h"

namespace parlora::cli {

namespace {

// Records of three lines need their first two; a lone last line is dropped.
bool readRecordPair(TextFileReader &file, QString &first, QString &second)
{
    if (file.atEnd())
        return false;
    first = file.readLine();
    if (file.atEnd())
        return false;
    second = file.readLine();
    return true;
}

void readPhrasebook(const QString &path, Phrasebook &phrasebook)
{
    TextFileReader file(path);
    PhraseRecord shown;
    while (phrasebook.Count() < MaxListEntries && readRecordPair(file, shown.Language1, shown.Language2)) {
        (void)file.readLine(); // separator
        phrasebook.Display.append(shown);
        phrasebook.Search.append({PadPhrasePunctuation(shown.Language1), PadPhrasePunctuation(shown.Language2)});
    }
}

void readGrammar(const QString &path, GrammarList &grammar)
{
    TextFileReader file(path);
    while (!file.atEnd() && grammar.Count() < MaxListEntries) {
        GrammarRule rule;
        rule.Pattern = ReadMarkedLine(file);
        rule.Replacement = ReadMarkedLine(file);
        grammar.Rules.append(rule);
    }
}

} // namespace

ReadOutcome readDataFiles(const ApplicationFolder &folder, const LanguagePair &pair, DictionaryData &data,
                          PersonalDictionary &personal)
{
    const QString mainPath = folder.dataFile(pair.MainDictionaryFile);
    if (!FileExists(mainPath))
        return ReadOutcome::MainDictionaryMissing;
    NullProgressSink progress;
    FileEncodeAndDecode(mainPath, QString(), data.mainDictionary, progress);
    readPhrasebook(folder.dataFile(pair.PhrasebookFile), data.phrasebook);
    readGrammar(folder.dataFile(pair.Language1GrammarFile), data.language1Grammar);
    readGrammar(folder.dataFile(pair.Language2GrammarFile), data.language2Grammar);

    const QString personalPath = folder.dataFile(pair.PersonalDictionaryFile);
    if (FileExists(personalPath))
        (void)personal.LoadPersonalDictionary(personalPath); // unreadable: looked up without it
    return ReadOutcome::Read;
}

} // namespace parlora::cli
