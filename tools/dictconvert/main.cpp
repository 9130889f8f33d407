// parlora-dictconvert: builds the main dictionary file from the core lexicon
// and a dictd dictionary (an .index and its .dict.dz), cleaned on the way.

#include "dictionaryconversion.h"

#include "dictionary/wordlists.h"
#include "platform/textfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

QString padded(const QString &label)
{
    constexpr int Width = 52;
    return (label + u':').leftJustified(Width);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds the main dictionary file."));
    parser.addHelpOption();
    const QCommandLineOption lexicon(QStringLiteral("lexicon"),
                                     QStringLiteral("The core lexicon folder (it-pt/*.tsv, pt-it/*.tsv)."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption rejected(QStringLiteral("rejected"),
                                      QStringLiteral("Reviewed list of wrong source pairs (italian TAB portuguese)."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption spelling(QStringLiteral("spelling"),
                                      QStringLiteral("Reviewed respellings (old TAB current)."), QStringLiteral("FILE"));
    const QCommandLineOption hunspell(QStringLiteral("hunspell"),
                                      QStringLiteral("Folder of the Hunspell dictionaries it_IT, pt_BR, pt_PT, en_US."),
                                      QStringLiteral("DIR"), QStringLiteral("/usr/share/hunspell"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Also write what each cleaning rule did, one record a line (UTF-8)."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption portugueseWords(QStringLiteral("portuguese-words"),
                                             QStringLiteral("Portuguese words the Hunspell dictionaries lack."),
                                             QStringLiteral("FILE"));
    parser.addOptions({lexicon, rejected, spelling, hunspell, portugueseWords, log});
    parser.addPositionalArgument(QStringLiteral("INDEX"),
                                 QStringLiteral("A dictd index, e.g. /usr/share/dictd/freedict-ita-por.index"));
    parser.addPositionalArgument(QStringLiteral("DICT.DZ"),
                                 QStringLiteral("Its dictionary text, e.g. /usr/share/dictd/freedict-ita-por.dict.dz"));
    parser.addPositionalArgument(QStringLiteral("OUTPUT"),
                                 QStringLiteral("The main dictionary file to write, e.g. dist/dic/portital.diz"));
    parser.process(application);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 3) {
        err << parser.helpText();
        return ExitUsage;
    }

    using namespace parlora::dictconvert;
    HunspellKnowledge knowledge(parser.value(hunspell));
    for (Speller speller : {Speller::Italian, Speller::Brazilian, Speller::European, Speller::English}) {
        if (!knowledge.available(speller)) {
            err << "parlora-dictconvert: no Hunspell dictionary " << HunspellKnowledge::dictionaryName(speller)
                << " in " << parser.value(hunspell) << "\n";
            return ExitFailed;
        }
    }

    if (parser.isSet(portugueseWords)) {
        QString error;
        const QStringList words = readWordList(parser.value(portugueseWords), error);
        if (!error.isEmpty()) {
            err << "parlora-dictconvert: " << error << "\n";
            return ExitFailed;
        }
        knowledge.addWords(Speller::Brazilian, words);
    }

    const auto readPairs = [&](const QCommandLineOption &option, QList<PairKey> &pairs) {
        if (!parser.isSet(option))
            return true;
        const PairFileResult read = readPairFile(parser.value(option));
        for (const QString &problem : read.problems)
            err << "warning: " << problem << "\n";
        if (!read.error.isEmpty()) {
            err << "parlora-dictconvert: " << read.error << "\n";
            return false;
        }
        pairs = read.pairs;
        return true;
    };
    QList<PairKey> respellings;
    QList<PairKey> rejectedPairs;
    if (!readPairs(spelling, respellings) || !readPairs(rejected, rejectedPairs))
        return ExitFailed;
    QHash<QString, QString> table;
    for (const PairKey &pair : std::as_const(respellings))
        table.insert(pair.first, pair.second);
    const SpellingUpdater updater(knowledge, table);
    CleaningSetup setup;
    setup.knowledge = &knowledge;
    setup.spelling = &updater;
    setup.rejected = QSet<PairKey>(rejectedPairs.cbegin(), rejectedPairs.cend());

    LexiconReadResult lexiconRead;
    if (parser.isSet(lexicon)) {
        lexiconRead = readLexiconFolder(parser.value(lexicon), &knowledge);
        for (const QString &problem : std::as_const(lexiconRead.problems))
            err << "lexicon: " << problem << "\n";
        if (!lexiconRead.error.isEmpty()) {
            err << "parlora-dictconvert: " << lexiconRead.error << "\n";
            return ExitFailed;
        }
    }
    const OrderedLexicon ordered = orderLexicon(lexiconRead.lines);

    const ConversionResult converted = convertDictdFiles(arguments[0], arguments[1], setup, parser.isSet(log));
    if (!converted.error.isEmpty()) {
        err << "parlora-dictconvert: " << converted.error << "\n";
        return ExitFailed;
    }
    const MergeResult merged = mergeWithLexicon(ordered, converted, parlora::MaxListEntries);
    const parlora::SaveResult saved = parlora::writeTextLines(arguments[2], mainDictionaryLines(merged.records));
    if (!saved) {
        err << "parlora-dictconvert: " << saved.error << "\n";
        return ExitFailed;
    }

    if (parser.isSet(log)) {
        const parlora::SaveResult logged =
            parlora::writeFileAtomically(parser.value(log), (converted.counts.log.join(u'\n') + u'\n').toUtf8());
        if (!logged)
            err << "parlora-dictconvert: " << logged.error << "\n";
    }

    for (const PairKey &pair : std::as_const(rejectedPairs)) {
        if (!converted.counts.rejectedSeen.contains(pair))
            err << "warning: the rejected pair " << pair.first << " = " << pair.second << " no longer occurs\n";
    }

    CleaningCounts counts = converted.counts;
    for (int rule = 0; rule < CleaningRuleCount; ++rule)
        counts.add(CleaningRule(rule), merged.counts[CleaningRule(rule)]);
    int sourceCandidates = 0;
    for (int rule = 0; rule < CleaningRuleCount; ++rule) {
        if (dropsRecords(CleaningRule(rule)))
            sourceCandidates += converted.counts[CleaningRule(rule)];
    }
    sourceCandidates += int(converted.records.size());

    out << "Core lexicon\n"
        << "  " << padded("files") << lexiconRead.files << "\n"
        << "  " << padded("lines read") << lexiconRead.lines.size() + lexiconRead.skippedLines << "\n"
        << "  " << padded("lines left out (see the messages)") << lexiconRead.skippedLines << "\n"
        << "  " << padded("pairs named more than once") << ordered.repeatedLines << "\n"
        << "  " << padded("records") << ordered.records.size() << "\n"
        << "  " << padded("ranking cycles broken") << ordered.cyclesBroken << "\n"
        << "Source dictionary\n"
        << "  " << padded("articles read") << converted.articles << "\n"
        << "  " << padded("articles without a translation") << converted.articlesWithoutTranslation << "\n"
        << "  " << padded("translations found") << sourceCandidates << "\n"
        << "  records dropped by rule\n";
    for (int rule = 0; rule < CleaningRuleCount; ++rule) {
        if (dropsRecords(CleaningRule(rule)))
            out << "    " << padded(cleaningRuleDescription(CleaningRule(rule))) << counts[CleaningRule(rule)] << "\n";
    }
    out << "  records changed by rule\n";
    for (int rule = 0; rule < CleaningRuleCount; ++rule) {
        if (!dropsRecords(CleaningRule(rule)))
            out << "    " << padded(cleaningRuleDescription(CleaningRule(rule))) << counts[CleaningRule(rule)] << "\n";
    }
    out << "Written\n"
        << "  " << padded("records from the core lexicon") << merged.lexiconRecords << "\n"
        << "  " << padded("lexicon records dropped over the limit") << merged.lexiconDropped << "\n"
        << "  " << padded("records from the source dictionary") << merged.sourceRecords << "\n"
        << "  " << padded("records in all") << merged.records.size() << " (at most " << parlora::MaxListEntries
        << ")\n";
    return 0;
}
