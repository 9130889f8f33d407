#include "cli/lookupcommand.h"

#include "dictionary/settings.h"
#include "platform/datalocations.h"
#include "localisation/builtinmessages.h"
#include "localisation/interfacelanguage.h"
#include "translation/translate.h"

#include <QCommandLineParser>

#include <optional>

namespace parlora::cli {

namespace {

const QString ProgramName = QStringLiteral("parlora-lookup");
const QString UsageLine = QStringLiteral(
    "Usage: parlora-lookup [--from it|pt] [--similar|--no-similar] [--phrases|--no-phrases] "
    "[--base-forms|--no-base-forms] [--lang NAME] [--data DIR] WORD...");
const QString HelpText = QStringLiteral(
    "Looks a word or an expression up in the Italian-Portuguese dictionary, as the\n"
    "input box of the program does, and prints what the program would show.\n"
    "\n"
    "  --from it|pt      search Italian words (it) or Portuguese words (pt)\n"
    "  --similar         also list similar words; --no-similar: do not\n"
    "  --phrases         also search the phrasebook and words within entries;\n"
    "                    --no-phrases: do not\n"
    "  --base-forms      for a word that is no entry, show the entries of its\n"
    "                    base forms (parliamo: parlare); --no-base-forms: do not\n"
    "  --lang NAME       the interface language whose messages are used\n"
    "  --data DIR        the application folder (default: this program's folder)\n"
    "  --help            show this text\n"
    "\n"
    "Put -- before words that begin with a hyphen, such as -- -mente.\n"
    "Without options the direction, the search options and the language are\n"
    "those the program starts with (parlora.ini, never written here).\n"
    "Exit status: 0 translation found, 1 not found, 2 usage error or missing\n"
    "main dictionary.\n");

const QString ItalianLanguage = QStringLiteral("Italiano");
const QString SimilarHeading = QStringLiteral("Similar words:");
const QString PhrasesHeading = QStringLiteral("Phrases:");
const QString SimilarIndent = QStringLiteral("  ");

// The messages used when no language file can be read at all.
LanguageMessages englishMessages()
{
    QStringList texts(UsedMessageCount);
    texts[Message::LoadingDictionary] = QStringLiteral("Loading the dictionary...");
    texts[Message::SearchingDictionaries] = QStringLiteral("Searching the dictionaries...");
    texts[Message::SearchingSimilarWords] = QStringLiteral("Searching similar words...");
    texts[Message::OnlySimilarWordsFound] = QStringLiteral("Word not found: see the similar words");
    texts[Message::WordNotFound] = QStringLiteral("Word not found");
    texts[Message::SimilarWordsHint] = QStringLiteral("Double-click a similar word to translate it");
    texts[Message::MainDictionaryMissing] = QStringLiteral("The main dictionary file is missing.");
    texts[Message::MainDictionaryUnreadable] = QStringLiteral("The main dictionary %1 cannot be read: %2.");
    texts[Message::DataFileUnreadable] = QStringLiteral("The file %1 cannot be read (%2) and is left out for now.");
    texts[Message::SearchingPhrasebook] = QStringLiteral("Searching the phrasebook...");
    texts[Message::BaseFormLine] = QStringLiteral("%1 » %2");
    return LanguageMessages(texts);
}

struct LookupRequest {
    QString folder;
    std::optional<bool> direction;
    std::optional<bool> similar;
    std::optional<bool> phrases;
    std::optional<bool> baseForms;
    QString language;
    QString query;
};

// An on/off pair of flags: absent, one of them, or a usage error for both.
bool readSwitch(const QCommandLineParser &parser, const QString &on, const QString &off, std::optional<bool> &value)
{
    const bool isOn = parser.isSet(on);
    const bool isOff = parser.isSet(off);
    if (isOn && isOff)
        return false;
    if (isOn || isOff)
        value = isOn;
    return true;
}

// The parsed request, or an error text for a usage error.
std::optional<LookupRequest> parseRequest(const QStringList &arguments, const QString &defaultFolder, QString &error,
                                          bool &helpWanted)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("it|pt"));
    const QCommandLineOption language(QStringLiteral("lang"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption data(QStringLiteral("data"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    parser.addOptions({from, language, data, help, QCommandLineOption(QStringLiteral("similar")),
                       QCommandLineOption(QStringLiteral("no-similar")), QCommandLineOption(QStringLiteral("phrases")),
                       QCommandLineOption(QStringLiteral("no-phrases")), QCommandLineOption(QStringLiteral("base-forms")),
                       QCommandLineOption(QStringLiteral("no-base-forms"))});
    if (!parser.parse(QStringList{ProgramName} + arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        helpWanted = true;
        return std::nullopt;
    }

    LookupRequest request;
    request.folder = parser.isSet(data) ? parser.value(data) : defaultFolder;
    request.language = parser.value(language);
    if (parser.isSet(from)) {
        const QString side = parser.value(from);
        if (side != QLatin1String("it") && side != QLatin1String("pt")) {
            error = QStringLiteral("--from takes it or pt, not \"%1\"").arg(side);
            return std::nullopt;
        }
        request.direction = side == QLatin1String("it");
    }
    if (!readSwitch(parser, QStringLiteral("similar"), QStringLiteral("no-similar"), request.similar)
        || !readSwitch(parser, QStringLiteral("phrases"), QStringLiteral("no-phrases"), request.phrases)
        || !readSwitch(parser, QStringLiteral("base-forms"), QStringLiteral("no-base-forms"), request.baseForms)) {
        error = QStringLiteral("an option and its --no- form cannot be given together");
        return std::nullopt;
    }
    if (parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("no word to look up");
        return std::nullopt;
    }
    request.query = parser.positionalArguments().join(QLatin1Char(' '));
    return request;
}

// The language start-up would end with: the requested one, else Italian,
// else the built-in English texts.
LanguageMessages chooseMessages(const ApplicationFolder &folder, const QString &requested)
{
    InterfaceLanguage language(folder);
    if (language.SetInterfaceLanguage(requested) || language.SetInterfaceLanguage(ItalianLanguage))
        return language.messages();
    return englishMessages();
}

void printResult(const TranslationResult &result, QTextStream &out)
{
    for (const QString &line : result.translations)
        out << line << '\n';
    if (!result.similarWords.isEmpty()) {
        out << '\n' << SimilarHeading << '\n';
        for (const QString &word : result.similarWords)
            out << SimilarIndent << word << '\n';
    }
    if (!result.resultText.isEmpty()) {
        QString phrases = result.resultText;
        phrases.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        while (phrases.endsWith(QLatin1Char('\n')))
            phrases.chop(1);
        out << '\n' << PhrasesHeading << '\n' << phrases << '\n';
    }
}

} // namespace

int runLookup(const QStringList &arguments, const QString &defaultFolder, QTextStream &out, QTextStream &err)
{
    QString error;
    bool helpWanted = false;
    const std::optional<LookupRequest> request = parseRequest(arguments, defaultFolder, error, helpWanted);
    if (helpWanted) {
        out << UsageLine << "\n\n" << HelpText;
        return ExitFound;
    }
    if (!request) {
        err << ProgramName << ": " << error << '\n' << UsageLine << '\n';
        return ExitFailure;
    }

    const ApplicationFolder folder(request->folder);
    const LanguagePair pair;
    // The same files the desktop program uses; here they are only read.
    const DataLocations locations =
        chooseDataLocations(folder.path(), true, pair.PersonalDictionaryFile, standardUserFolders());
    const QString settingsPath = FileExists(locations.settingsFile) ? locations.settingsFile
                                                                    : locations.seedSettingsFile;
    const StartupSettings startup = readSettingsFile(settingsPath, false);
    Settings settings = startup.settings;
    settings.Direction = request->direction.value_or(settings.Direction);
    settings.SimilarWordSearch = request->similar.value_or(settings.SimilarWordSearch);
    settings.PhrasebookSearch = request->phrases.value_or(settings.PhrasebookSearch);
    settings.BaseFormSearch = request->baseForms.value_or(settings.BaseFormSearch);
    const LanguageMessages messages =
        chooseMessages(folder, request->language.isEmpty() ? startup.interfaceLanguage : request->language);

    DictionaryData data;
    PersonalDictionary personal;
    NullProgressSink progress;
    const LoadResult loaded = LoadDictionaryFiles(folder, pair, QString(), data, progress);
    switch (loaded.outcome) {
    case LoadOutcome::Loaded: break;
    case LoadOutcome::MainDictionaryMissing:
        err << messages.message(Message::MainDictionaryMissing) << '\n';
        return ExitFailure;
    case LoadOutcome::MainDictionaryUnreadable:
        err << messages.message(Message::MainDictionaryUnreadable).arg(loaded.mainDictionary.file,
                                                                        loaded.mainDictionary.reason)
            << '\n';
        return ExitFailure;
    }
    for (const FileProblem &problem : loaded.unreadableFiles)
        err << messages.message(Message::DataFileUnreadable).arg(problem.file, problem.reason) << '\n';
    // A terminal lookup never changes an installation: the personal
    // dictionary is read when it exists, never created or moved into place,
    // and an unreadable one is only reported.
    const QString personalPath = FileExists(locations.personalDictionaryFile) ? locations.personalDictionaryFile
                                                                            : locations.seedPersonalDictionaryFile;
    if (FileExists(personalPath)) {
        const SaveResult read = personal.LoadPersonalDictionary(personalPath);
        if (!read)
            err << messages.message(Message::DataFileUnreadable).arg(personalPath, read.error) << '\n';
    }

    const morphology::PairBaseForms baseForms(folder.dataFile(pair.Language1FormsFile),
                                              folder.dataFile(pair.Language2FormsFile));
    const Translator translator(data, personal, &baseForms);
    const TranslationResult result =
        translator.Translate(request->query, settings.Direction, settings, messages, progress);
    printResult(result, out);
    return result.ExactFound ? ExitFound : ExitNotFound;
}

} // namespace parlora::cli
