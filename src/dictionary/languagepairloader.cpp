#include "dictionary/languagepairloader.h"

#include "dictionary/phrasepadding.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace parlora {

namespace {

constexpr QChar MarkCharacter = u'*';

// The progress bar of the main dictionary counts the second and third line of
// each record plus their terminators against half the file length, so it
// ends near its maximum when both languages have entries of similar length.
constexpr qint64 ProgressTerminatorAllowance = 3;
constexpr qint64 ProgressMaximumDivisor = 2;

// Where installations before the dic folder kept the personal dictionary, in
// the order they are moved into place; a later one replaces an earlier one.
const QString OldestPersonalDictionary = QStringLiteral("../Parlora versione 1.1/portital.per");
const QString DizionarioPersonalDictionary = QStringLiteral("dizionario/portugal.per");
const QString RootPersonalDictionary = QStringLiteral("portital.per");

int toProgressInt(qint64 value)
{
    return int(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

// Three-line records (main dictionary and phrasebook) are read the same way:
// a record needs its first two lines, so a lone first line at the end of the
// file is dropped, while a last record whose separator line is missing is
// still complete. Returns false when no further record can be read.
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

// A missing file reads as an empty one: the program works without phrases
// or rules. One that is there but cannot be read is reported as well.
TextFileReader openOptionalFile(const QString &path, QList<FileProblem> &problems)
{
    TextFileReader file(path);
    if (!file.isOpen() && FileExists(path))
        problems.append({path, file.errorString()});
    return file;
}

void loadPhrasebook(TextFileReader file, Phrasebook &phrasebook)
{
    PhraseRecord record;
    while (phrasebook.Count() < MaxListEntries && readRecordPair(file, record.Language1, record.Language2)) {
        (void)file.readLine(); // separator
        phrasebook.Display.append(record);
    }
    phrasebook.Search.reserve(phrasebook.Display.size());
    for (const PhraseRecord &shown : std::as_const(phrasebook.Display))
        phrasebook.Search.append({PadPhrasePunctuation(shown.Language1), PadPhrasePunctuation(shown.Language2)});
}

// Marked lines are taken in pairs. A file ending inside a pair gives a last
// rule from whatever ReadMarkedLine returns there: an empty replacement, or the
// file's last unmarked line. Such a rule can only match one odd query, and
// grammar files are edited by hand, so it is kept rather than guessed away.
void loadGrammar(TextFileReader file, GrammarList &grammar)
{
    while (!file.atEnd() && grammar.Count() < MaxListEntries) {
        GrammarRule rule;
        rule.Pattern = ReadMarkedLine(file);
        rule.Replacement = ReadMarkedLine(file);
        grammar.Rules.append(std::move(rule));
    }
}

// Moves personal dictionaries of older installations onto the current name.
// A source is deleted only once its copy is in place, so a failed copy never
// loses the user's words; it is simply tried again at the next start.
void migrateOldPersonalDictionaries(const ApplicationFolder &folder, const QString &currentFolder,
                                    const QString &target)
{
    const QString sources[] = {
        // ".." is taken by name, as the path was meant, even where the
        // current folder is a link.
        QDir::cleanPath(currentFolder + QLatin1Char('/') + OldestPersonalDictionary),
        folder.file(DizionarioPersonalDictionary),
        folder.file(RootPersonalDictionary),
    };
    for (const QString &source : sources) {
        if (!FileExists(source))
            continue;
        if (copyFileReplacing(source, target))
            (void)removeFile(source);
    }
}

} // namespace

QString ReadMarkedLine(TextFileReader &file)
{
    // Comment lines are passed over without being copied.
    QStringView line;
    while (!line.startsWith(MarkCharacter) && !file.atEnd())
        line = file.readLineView();
    return line.toString();
}

void FileEncodeAndDecode(const QString &inputFile, const QString &statusText, MainDictionary &dictionary,
                         ProgressSink &progress)
{
    progress.setStatusText(statusText);
    progress.setProgressMaximum(toProgressInt(QFileInfo(inputFile).size() / ProgressMaximumDivisor));
    dictionary = MainDictionary();

    TextFileReader file(inputFile);
    qint64 progressTotal = 0;
    QString language1;
    QString language2;
    while (dictionary.Count() < MaxListEntries && readRecordPair(file, language1, language2)) {
        const QString separator = file.readLine();
        progressTotal += separator.size() + language2.size() + ProgressTerminatorAllowance;
        dictionary.Language1Entries.append(language1);
        dictionary.Language2Entries.append(language2);
        progress.setProgressValue(toProgressInt(progressTotal));
    }

    progress.setProgressValue(0);
    progress.setStatusText(QString());
}

LoadResult LoadDictionaryFiles(const ApplicationFolder &folder, const LanguagePair &pair,
                               const QString &loadingStatusText, DictionaryData &data, ProgressSink &progress,
                               DictionaryParts parts)
{
    LoadResult result;
    const QString mainDictionaryPath = folder.dataFile(pair.MainDictionaryFile);
    if (!FileExists(mainDictionaryPath)) {
        result.outcome = LoadOutcome::MainDictionaryMissing;
        result.mainDictionary = {mainDictionaryPath, QStringLiteral("the file does not exist")};
        return result;
    }
    if (parts.mainDictionary) {
        const FileBytes readable = readDataFile(mainDictionaryPath);
        if (!readable.ok) {
            result.outcome = LoadOutcome::MainDictionaryUnreadable;
            result.mainDictionary = {mainDictionaryPath, readable.error};
            return result;
        }
        FileEncodeAndDecode(mainDictionaryPath, loadingStatusText, data.mainDictionary, progress);
    }
    if (!parts.phrasebook)
        return result;

    data.phrasebook = Phrasebook();
    loadPhrasebook(openOptionalFile(folder.dataFile(pair.PhrasebookFile), result.unreadableFiles), data.phrasebook);
    data.language1Grammar = GrammarList();
    if (parts.language1Grammar)
        loadGrammar(openOptionalFile(folder.dataFile(pair.Language1GrammarFile), result.unreadableFiles),
                    data.language1Grammar);
    data.language2Grammar = GrammarList();
    if (parts.language2Grammar)
        loadGrammar(openOptionalFile(folder.dataFile(pair.Language2GrammarFile), result.unreadableFiles),
                    data.language2Grammar);
    return result;
}

LoadResult LoadLanguagePair(const ApplicationFolder &folder, const QString &currentFolder, const LanguagePair &pair,
                            const DataLocations &locations, const QString &loadingStatusText, DictionaryData &data,
                            PersonalDictionary &personal, ProgressSink &progress)
{
    progress.repaint(RepaintTarget::MainWindow);
    progress.setStatusText(QString());

    LoadResult result = LoadDictionaryFiles(folder, pair, loadingStatusText, data, progress);
    if (result.outcome != LoadOutcome::Loaded)
        return result;

    const QString personalPath = locations.personalDictionaryFile;
    if (!FileExists(personalPath))
        migrateOldPersonalDictionaries(folder, currentFolder, personalPath);
    // An installed copy's own personal dictionary (read-only beside it) is
    // where the user's words start.
    if (!FileExists(personalPath) && FileExists(locations.seedPersonalDictionaryFile))
        (void)copyFileReplacing(locations.seedPersonalDictionaryFile, personalPath);
    if (QFileInfo::exists(personalPath)) {
        const SaveResult loaded = personal.LoadPersonalDictionary(personalPath);
        if (!loaded)
            result.personalDictionary = FileProblem{personalPath, loaded.error};
        return result;
    }
    // Nothing to lose: a new empty dictionary, written at once so that a
    // folder that cannot take it is known from the start. The words of this
    // session are saved as soon as it can be written.
    personal.StartNew(personalPath);
    const SaveResult created = personal.SavePersonalDictionary();
    if (!created)
        result.personalDictionary = FileProblem{personalPath, created.error};
    return result;
}

} // namespace parlora
