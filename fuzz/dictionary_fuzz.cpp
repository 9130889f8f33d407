// The dictionary files: a main dictionary, a phrasebook, two grammar files
// and two tables of base forms, followed by translations of a few queries in
// both directions with every option. The loaders read exactly the records a
// plain reading finds, the fast translation shows what the plain sweep
// shows, base forms only add lines, and nothing shown grows faster than the
// data.
//
// Input: seven sections (see fuzzsupport.h): the main dictionary, the
// phrasebook, the Italian and the Portuguese grammar, the Italian and the
// Portuguese base forms, and the queries, one a line (UTF-8).

#include "fuzzsupport.h"
#include "referencetranslator.h"
#include "translationchecks.h"

#include "dictionary/languagepairloader.h"
#include "localisation/languagemessages.h"
#include "morphology/baseforms.h"
#include "morphology/formtable.h"
#include "translation/translate.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

using namespace parlora;

namespace {

enum Section { MainDictionarySection, PhrasebookSection, Grammar1Section, Grammar2Section, Forms1Section,
               Forms2Section, QueriesSection, SectionCount };

// A few queries reach every search; more only slow the run down.
constexpr qsizetype MaxQueries = 4;

// The lines of a data file read the plain way: decoded at once, cut at every
// CR, a LF right after one belonging to it; a file ending in a line end has
// no empty line after it.
QStringList plainLines(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    const QString text = decoder(bytes);
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\r'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1Char('\n')))
            lines[i].remove(0, 1);
    }
    if (text.endsWith(QLatin1Char('\r')) || text.endsWith(QStringLiteral("\r\n")))
        lines.removeLast();
    return lines;
}

// Records of three lines, the third a separator: a record needs its first
// two lines.
void checkRecords(const QByteArray &bytes, const QStringList &first, const QStringList &second, const char *file)
{
    const QStringList lines = plainLines(bytes);
    QStringList expectedFirst;
    QStringList expectedSecond;
    for (qsizetype i = 0; i + 1 < lines.size() && expectedFirst.size() < MaxListEntries; i += 3) {
        expectedFirst << lines.at(i);
        expectedSecond << lines.at(i + 1);
    }
    FUZZ_CHECK(first == expectedFirst && second == expectedSecond,
               QLatin1String(file) + QStringLiteral(": ") + fuzz::shown(first) + QStringLiteral(" instead of ")
                   + fuzz::shown(expectedFirst));
}

void checkGrammar(const GrammarList &grammar, const QByteArray &bytes)
{
    const qsizetype lines = plainLines(bytes).size();
    FUZZ_CHECK(grammar.Count() <= lines, QStringLiteral("%1 rules from %2 lines").arg(grammar.Count()).arg(lines));
    for (const GrammarRule &rule : grammar.Rules) {
        // A rule's texts are marked lines; only the file's end may leave one
        // empty or unmarked.
        FUZZ_CHECK(rule.Pattern.isEmpty() || rule.Pattern.startsWith(QLatin1Char('*'))
                       || &rule == &grammar.Rules.back(),
                   fuzz::shown(rule.Pattern));
    }
}

void checkFormTable(const QString &path, const QByteArray &bytes)
{
    morphology::FormTable loaded;
    const morphology::FormTable::LoadResult result = loaded.load(path);
    FUZZ_CHECK(result.ok, result.error);
    const qsizetype lines = QString::fromUtf8(bytes).count(QLatin1Char('\n')) + 1;
    FUZZ_CHECK(loaded.formCount() + loaded.ruleCount() + result.skippedLines.size() <= lines,
               QStringLiteral("%1 forms, %2 rules and %3 skipped lines from %4 lines")
                   .arg(loaded.formCount())
                   .arg(loaded.ruleCount())
                   .arg(result.skippedLines.size())
                   .arg(lines));
}

// Lines that tell the result, not the search: "not found" and its kind.
QStringList withoutMessages(QStringList lines, const LanguageMessages &messages)
{
    lines.removeAll(messages.message(Message::WordNotFound));
    lines.removeAll(messages.message(Message::OnlySimilarWordsFound));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> input = fuzz::splitSections(data, size, SectionCount);
    QList<QByteArray> files;
    for (int section = 0; section < QueriesSection; ++section)
        files.append(fuzz::expanded(input.at(section)));

    const QString root = fuzz::scratchFolder() + QStringLiteral("/dictionary");
    const ApplicationFolder folder(root);
    QDir().mkpath(root + QStringLiteral("/dic"));
    const LanguagePair pair;
    const QString fileNames[] = {pair.MainDictionaryFile, pair.PhrasebookFile, pair.Language1GrammarFile,
                                 pair.Language2GrammarFile, pair.Language1FormsFile, pair.Language2FormsFile};
    for (int section = 0; section < QueriesSection; ++section)
        fuzz::writeFile(folder.dataFile(fileNames[section]), files.at(section));

    DictionaryData loaded;
    NullProgressSink progress;
    const LoadResult result = LoadDictionaryFiles(folder, pair, QString(), loaded, progress);
    FUZZ_CHECK(result.outcome == LoadOutcome::Loaded && result.unreadableFiles.isEmpty(),
               result.mainDictionary.reason);
    checkRecords(files.at(MainDictionarySection), loaded.mainDictionary.Language1Entries,
                 loaded.mainDictionary.Language2Entries, "main dictionary");
    QStringList phrases1;
    QStringList phrases2;
    for (const PhraseRecord &phrase : std::as_const(loaded.phrasebook.Display)) {
        phrases1 << phrase.Language1;
        phrases2 << phrase.Language2;
    }
    checkRecords(files.at(PhrasebookSection), phrases1, phrases2, "phrasebook");
    FUZZ_CHECK(loaded.phrasebook.Search.size() == loaded.phrasebook.Display.size(), QStringLiteral("search forms"));
    checkGrammar(loaded.language1Grammar, files.at(Grammar1Section));
    checkGrammar(loaded.language2Grammar, files.at(Grammar2Section));
    checkFormTable(folder.dataFile(pair.Language1FormsFile), files.at(Forms1Section));
    checkFormTable(folder.dataFile(pair.Language2FormsFile), files.at(Forms2Section));

    // Hunspell is left out: its dictionaries are the system's, not input,
    // and loading them would dwarf everything else.
    const morphology::PairBaseForms baseForms(folder.dataFile(pair.Language1FormsFile),
                                              folder.dataFile(pair.Language2FormsFile),
                                              root + QStringLiteral("/no-hunspell"));
    const PersonalDictionary personal;
    const Translator fast(loaded, personal);
    const Translator withBaseForms(loaded, personal, &baseForms);
    const LanguageMessages messages = LanguageMessages::builtIn();

    QStringList queries = QString::fromUtf8(input.at(QueriesSection)).split(QLatin1Char('\n'));
    queries = queries.first(std::min(queries.size(), MaxQueries));
    if (loaded.mainDictionary.Count() > 0)
        queries << loaded.mainDictionary.Language1Entries.front() << loaded.mainDictionary.Language2Entries.front();

    for (const QString &query : std::as_const(queries)) {
        for (const bool direction : {true, false}) {
            for (const Settings &settings : fuzz::allOptions(false)) {
                const QString what = fuzz::shown(query) + (direction ? QStringLiteral(" it->pt") : QStringLiteral(" pt->it"));
                const TranslationResult quick = fast.Translate(query, direction, settings, messages, progress);
                if (fuzz::plainSweepAffordable(loaded, personal, query)) {
                    const TranslationResult plain =
                        reference::Translate(loaded, personal, query, direction, settings, messages, progress);
                    fuzz::checkSame(quick, plain, what);
                }
                fuzz::checkBounded(quick, loaded, personal, query);

                Settings inflected = settings;
                inflected.BaseFormSearch = true;
                const TranslationResult based =
                    withBaseForms.Translate(query, direction, inflected, messages, progress);
                fuzz::checkBounded(based, loaded, personal, query);
                const QStringList shown = withoutMessages(based.translations, messages);
                for (const QString &line : withoutMessages(quick.translations, messages))
                    FUZZ_CHECK(shown.contains(line), what + QStringLiteral(": base forms lost ") + fuzz::shown(line));
                for (const BaseFormLine &line : based.baseFormLines)
                    FUZZ_CHECK(based.translations.contains(line.text), what + fuzz::shown(line.text));
            }
        }
    }
    return 0;
}
