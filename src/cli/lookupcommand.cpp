#include "cli/lookupcommand.h"

#include "buildconfig.h"
#include "cli/lookupoptions.h"
#include "cli/lookupoutput.h"
#include "dictionary/personalexchange.h"
#include "dictionary/settings.h"
#include "localisation/builtinmessages.h"
#include "localisation/interfacelanguage.h"
#include "platform/datalocations.h"
#include "translation/indexcache.h"
#include "translation/searchindex.h"
#include "translation/translate.h"
#include "words/textrules.h"

#include <QFileInfo>
#include <QLocale>

#include <memory>
#include <optional>

namespace parlora::cli {

namespace {

const QString ProgramName = QStringLiteral("parlora-lookup");
const QString ItalianLanguage = QStringLiteral("Italiano");
const QString PortugueseLanguage = QStringLiteral("Português");
const QString EnglishLanguage = QStringLiteral("English");
const QString Italian = QStringLiteral("it");

// The messages used when no language file can be read at all.
LanguageMessages englishMessages()
{
    QStringList texts = builtInMessages();
    texts[Message::SearchingDictionaries] = QStringLiteral("Searching the dictionaries...");
    texts[Message::OnlySimilarWordsFound] = QStringLiteral("Word not found: see the similar words");
    texts[Message::WordNotFound] = QStringLiteral("Word not found");
    texts[Message::MainDictionaryMissing] = QStringLiteral("The main dictionary file is missing.");
    texts[Message::MainDictionaryUnreadable] = QStringLiteral("The main dictionary %1 cannot be read: %2.");
    texts[Message::DataFileUnreadable] = QStringLiteral("The file %1 cannot be read (%2) and is left out for now.");
    texts[Message::BaseFormLine] = QStringLiteral("%1 \u00bb %2");
    texts[Message::DataFolderNotFound] =
        QStringLiteral("The main dictionary %1 was not found in any of these folders: %2");
    return LanguageMessages(texts);
}

// The language of the user's locale, among the shipped ones.
QString localeLanguage()
{
    const QLocale::Language language = QLocale().language();
    if (language == QLocale::Italian)
        return ItalianLanguage;
    if (language == QLocale::Portuguese)
        return PortugueseLanguage;
    return EnglishLanguage;
}

struct Failure {
    QString text;
};

// Everything a run needs, loaded once for all its queries.
class LookupSession {
public:
    LookupSession(const LookupOptions &options, const DataFolderSearch &search)
        : m_folder(options.dataFolder.isEmpty() ? search.folder : options.dataFolder),
          // The user's files are beside the program only where the desktop
          // program keeps them there: never in an installation's shared data.
          m_locations(chooseDataLocations(m_folder.path(), options.dataFolder.isEmpty() && search.besideProgram,
                                          m_pair.PersonalDictionaryFile, standardUserFolders())),
          m_baseForms(m_folder.dataFile(m_pair.Language1FormsFile), m_folder.dataFile(m_pair.Language2FormsFile),
                      morphology::SystemDictionaryFolder,
                      QFileInfo(indexcache::pathFor(m_folder.dataFile(m_pair.MainDictionaryFile))).absolutePath())
    {
    }

    std::optional<Failure> load(const LookupOptions &options)
    {
        const QString settingsPath =
            FileExists(m_locations.settingsFile) ? m_locations.settingsFile : m_locations.seedSettingsFile;
        // Defaults are the first run's, whatever the window did last, unless
        // asked for what it saved.
        StartupSettings stored = readSettingsFile(options.saved ? settingsPath : QString(), false);
        m_settings = stored.settings;
        m_settings.SimilarWordSearch = options.similar.value_or(m_settings.SimilarWordSearch);
        m_settings.PhrasebookSearch = options.phrases.value_or(m_settings.PhrasebookSearch);
        m_settings.BaseFormSearch = options.baseForms.value_or(m_settings.BaseFormSearch);
        m_directions = options.directions;
        if (m_directions.isEmpty())
            m_directions = {m_settings.Direction ? Italian : QStringLiteral("pt")};

        const QString language = !options.language.isEmpty() ? options.language
            : options.saved                                 ? stored.interfaceLanguage
                                                            : localeLanguage();
        InterfaceLanguage interface(m_folder);
        if (interface.SetInterfaceLanguage(language))
            m_messages = interface.messages();
        else if (!options.language.isEmpty())
            return Failure{QStringLiteral("%1: no usable language \"%2\": %3")
                               .arg(ProgramName, options.language, interface.lastError())};
        else
            m_messages = englishMessages();

        if (std::optional<Failure> failure = loadDictionaries(); failure)
            return failure;
        loadPersonalDictionary();
        reduceHunspell();
        return std::nullopt;
    }

    QList<Answer> answer(const QString &query) const
    {
        QList<Answer> answers;
        NullProgressSink progress;
        for (const QString &direction : m_directions) {
            const bool italian = direction == Italian;
            answers.append({query, italian, m_translator->Translate(query, italian, m_settings, m_messages, progress)});
        }
        return answers;
    }

    int directionCount() const { return int(m_directions.size()); }
    const PersonalDictionary &personal() const { return m_personal; }
    const QStringList &warnings() const { return m_warnings; }

private:
    std::optional<Failure> loadDictionaries()
    {
        const QString dictionaryFile = m_folder.dataFile(m_pair.MainDictionaryFile);
        // The mapped index spares reading and indexing the whole dictionary;
        // without it (first use, a changed dictionary) it is built here and
        // kept for the next time, when the cache folder can take it.
        const QString cacheFile = indexcache::pathFor(dictionaryFile);
        m_mapped = indexcache::open(dictionaryFile, cacheFile);
        const std::optional<indexfile::SourceStamp> stamp = indexfile::stampOf(dictionaryFile);
        NullProgressSink progress;
        const LoadResult loaded = LoadDictionaryFiles(m_folder, m_pair, QString(), m_data, progress,
                                                      {.mainDictionary = !m_mapped,
                                                       .phrasebook = m_settings.PhrasebookSearch,
                                                       .language1Grammar = m_directions.contains(Italian),
                                                       .language2Grammar = !m_directions.contains(Italian)
                                                           || m_directions.size() > 1});
        switch (loaded.outcome) {
        case LoadOutcome::Loaded: break;
        case LoadOutcome::MainDictionaryMissing:
            return Failure{m_messages.message(Message::MainDictionaryMissing)};
        case LoadOutcome::MainDictionaryUnreadable:
            return Failure{m_messages.message(Message::MainDictionaryUnreadable)
                               .arg(loaded.mainDictionary.file, loaded.mainDictionary.reason)};
        }
        for (const FileProblem &problem : loaded.unreadableFiles)
            m_warnings << m_messages.message(Message::DataFileUnreadable).arg(problem.file, problem.reason);

        m_translator.emplace(m_data, m_personal, &m_baseForms);
        if (m_mapped) {
            m_translator->UseMainIndexes(m_mapped->index(true), m_mapped->index(false));
            return std::nullopt;
        }
        const MainDictionary &main = m_data.mainDictionary;
        m_built[0].emplace(main.Language1Entries, main.Language2Entries);
        m_built[1].emplace(main.Language2Entries, main.Language1Entries);
        m_translator->UseMainIndexes(*m_built[0], *m_built[1]);
        // A cache that cannot be written is only slower next time.
        if (stamp)
            (void)indexcache::write(cacheFile, dictionaryFile, *stamp, main, *m_built[0], *m_built[1]);
        return std::nullopt;
    }

    // Hunspell's own word lists take far longer to load than a lookup; a
    // copy holding only the headwords (the stems that can count) answers the
    // same, and is made again when the dictionaries change.
    void reduceHunspell()
    {
        const auto stampText = [](const QString &file) {
            const std::optional<indexfile::SourceStamp> stamp = indexfile::stampOf(file);
            return stamp ? QStringLiteral("%1:%2").arg(stamp->size).arg(stamp->modifiedNanoseconds) : QString();
        };
        const QString key = stampText(m_folder.dataFile(m_pair.MainDictionaryFile)) + QLatin1Char(' ')
            + stampText(m_personal.FileName());
        for (const bool italian : {true, false}) {
            m_baseForms.source(italian).reduceHunspellTo(key, [this, italian] {
                QStringList headwords;
                const IndexView &index = m_mapped ? static_cast<const IndexView &>(m_mapped->index(italian))
                                                  : *m_built[italian ? 0 : 1];
                for (qint32 record = 0; record < qint32(index.RecordCount()); ++record)
                    headwords.append(words::LowerCase(index.Source(record)));
                for (const QString &word : italian ? m_personal.Words() : m_personal.Translations())
                    headwords.append(words::LowerCase(word));
                return headwords;
            });
        }
    }

    void loadPersonalDictionary()
    {
        // A terminal lookup never changes an installation: the personal
        // dictionary is read when it exists, never created or moved into
        // place, and an unreadable one is only reported.
        const QString path = FileExists(m_locations.personalDictionaryFile) ? m_locations.personalDictionaryFile
                                                                            : m_locations.seedPersonalDictionaryFile;
        if (!FileExists(path))
            return;
        const SaveResult read = m_personal.LoadPersonalDictionary(path);
        if (!read)
            m_warnings << m_messages.message(Message::DataFileUnreadable).arg(path, read.error);
    }

    ApplicationFolder m_folder;
    LanguagePair m_pair;
    DataLocations m_locations;
    Settings m_settings;
    QStringList m_directions;
    LanguageMessages m_messages;
    DictionaryData m_data;
    PersonalDictionary m_personal;
    morphology::PairBaseForms m_baseForms;
    std::unique_ptr<MappedIndexFile> m_mapped;
    std::optional<SearchIndex> m_built[2];
    std::optional<Translator> m_translator;
    QStringList m_warnings;
};

QByteArray format(const QList<Answer> &answers, bool json, bool headings)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (json) {
            bytes += jsonAnswer(answers.at(i));
        } else {
            if (i > 0)
                bytes += '\n';
            bytes += textAnswer(answers.at(i), headings);
        }
    }
    return bytes;
}

bool anyFound(const QList<Answer> &answers)
{
    return std::any_of(answers.cbegin(), answers.cend(),
                       [](const Answer &answer) { return !answer.result.matches.isEmpty(); });
}

// Writes the personal dictionary to a file, in the format its name asks for
// (CSV for .csv, else TSV), or to standard output for "-".
int exportPersonal(const PersonalDictionary &personal, const QString &file, const LookupIo &io)
{
    const exchange::Format format =
        file == QLatin1String("-") ? exchange::Format::Tsv : exchange::formatForFile(file);
    const exchange::Export exported =
        exchange::exportPairs(personal, format == exchange::Format::Csv ? format : exchange::Format::Tsv);
    if (file == QLatin1String("-")) {
        if (!io.writeOut(exported.bytes))
            return ExitFailure;
    } else if (const SaveResult written = writeFileAtomically(file, exported.bytes); !written) {
        io.writeErr(QStringLiteral("%1: %2 could not be written: %3\n").arg(ProgramName, file, written.error).toUtf8());
        return ExitFailure;
    }
    QString report = QStringLiteral("%1: %2 pairs exported").arg(ProgramName).arg(exported.written);
    if (exported.leftOut > 0)
        report += QStringLiteral(", %1 left out (a tab in the word or translation: use a .csv file)")
                      .arg(exported.leftOut);
    io.writeErr((report + QLatin1Char('\n')).toUtf8());
    return ExitFound;
}

} // namespace

int runLookup(const QStringList &arguments, const LookupIo &io)
{
    const LookupOptions options = parseLookupOptions(arguments, io.standardInputIsTerminal);
    if (!options.error.isEmpty()) {
        io.writeErr((ProgramName + QStringLiteral(": ") + options.error + QLatin1Char('\n') + lookupUsageLine()
                     + QLatin1Char('\n'))
                        .toUtf8());
        return ExitFailure;
    }
    if (options.helpWanted)
        return io.writeOut(lookupHelpText().toUtf8()) ? ExitFound : ExitFailure;
    if (options.versionWanted)
        return io.writeOut(QStringLiteral("%1 %2\n").arg(ProgramName, QLatin1String(PARLORA_VERSION)).toUtf8())
            ? ExitFound
            : ExitFailure;

    if (options.dataFolder.isEmpty() && !io.dataSearch.found()) {
        io.writeErr((io.dataSearch.describeMissing(englishMessages().message(Message::DataFolderNotFound))
                     + QLatin1Char('\n'))
                        .toUtf8());
        return ExitFailure;
    }
    auto loaded = std::make_unique<LookupSession>(options, io.dataSearch);
    LookupSession &session = *loaded;
    // A process that ends right after need not tear down what it loaded:
    // that would cost more than the lookup.
    if (io.endsAfterRun)
        (void)loaded.release();
    if (const std::optional<Failure> failure = session.load(options)) {
        io.writeErr((failure->text + QLatin1Char('\n')).toUtf8());
        return ExitFailure;
    }
    for (const QString &warning : session.warnings())
        io.writeErr((warning + QLatin1Char('\n')).toUtf8());
    if (!options.exportPersonalFile.isEmpty())
        return exportPersonal(session.personal(), options.exportPersonalFile, io);

    const bool headings = session.directionCount() > 1;
    if (!options.batch) {
        const QList<Answer> answers = session.answer(options.query);
        if (!io.writeOut(format(answers, options.json, headings)))
            return ExitFailure;
        return anyFound(answers) ? ExitFound : ExitNotFound;
    }

    // One query per line, all answered by this process; a blank line
    // separates the answers in text (JSON Lines need none).
    bool found = false;
    bool first = true;
    QByteArray line;
    while (io.readLine(line)) {
        const QString query = QString::fromUtf8(line).trimmed();
        if (query.isEmpty())
            continue;
        const QList<Answer> answers = session.answer(query);
        found = found || anyFound(answers);
        QByteArray bytes = format(answers, options.json, headings);
        if (!options.json && !first)
            bytes.prepend('\n');
        first = false;
        if (!io.writeOut(bytes))
            return ExitFailure;
    }
    return found ? ExitFound : ExitNotFound;
}

} // namespace parlora::cli
