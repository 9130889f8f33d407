// Checks the dictionary, phrasebook and grammar files that ship in dist/dic,
// loaded the way the program loads them.

#include "dictionary/languagepairloader.h"
#include "phrasebook/phrasebookindex.h"
#include "phrasebook/phrasebooksearch.h"
#include "platform/textfile.h"
#include "words/textrules.h"

#include "wordlanguage.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace parlora;

namespace {

const ApplicationFolder Shipped(QStringLiteral(PARLORA_DIST));

// Read once for all tests; reading the dictionary files writes nothing.
const DictionaryData &shipped()
{
    static const DictionaryData data = [] {
        DictionaryData loaded;
        NullProgressSink progress;
        EXPECT_EQ(LoadDictionaryFiles(Shipped, LanguagePair(), QString(), loaded, progress).outcome, LoadOutcome::Loaded);
        return loaded;
    }();
    return data;
}

TEST(ShippedData, HoldEnoughRecordsAndEverydayWords)
{
    const MainDictionary &dictionary = shipped().mainDictionary;
    EXPECT_GE(dictionary.Count(), 12000);
    EXPECT_LE(dictionary.Count(), MaxListEntries);
    EXPECT_GE(shipped().phrasebook.Count(), 400);
    QSet<QString> records;
    for (int i = 0; i < dictionary.Count(); ++i)
        records.insert(dictionary.Language1Entries[i] + " = " + dictionary.Language2Entries[i]);
    for (const char *record : {"casa = casa", "cane = cão", "acqua = água", "città = cidade"})
        EXPECT_TRUE(records.contains(QString::fromUtf8(record))) << record;
}

// A missing or extra line would shift every later record by one line and
// pair entries with the wrong translations, which the loader cannot notice.
TEST(ShippedData, RecordsAreThreeLinesWithEmptySeparators)
{
    for (const char *name : {"portital.diz", "portugal.fra"}) {
        TextFileReader file(Shipped.dataFile(name));
        ASSERT_TRUE(file.isOpen()) << name;
        int line = 0;
        while (!file.atEnd()) {
            const bool separator = ++line % 3 == 0;
            ASSERT_EQ(file.readLine().isEmpty(), separator) << name << " line " << line;
        }
        EXPECT_EQ(line % 3, 0) << name << " ends inside a record";
    }
}

// Each rule must be "*" plus a literal ending: any other wildcard would make
// the rewrite keep the wrong number of characters.
TEST(ShippedData, GrammarListsHoldEndingRulesAfterTheIdentityRule)
{
    for (const GrammarList *grammar : {&shipped().language1Grammar, &shipped().language2Grammar}) {
        ASSERT_GE(grammar->Count(), 25);
        EXPECT_EQ(grammar->Rules.first().Pattern, "*");
        EXPECT_EQ(grammar->Rules.first().Replacement, "*");
        for (const GrammarRule &rule : grammar->Rules) {
            for (const QString &side : {rule.Pattern, rule.Replacement}) {
                EXPECT_TRUE(side.startsWith(u'*')) << side.toStdString();
                for (QChar wildcard : {u'*', u'?', u'#', u'['})
                    EXPECT_FALSE(QStringView(side).mid(1).contains(wildcard)) << side.toStdString();
            }
        }
    }
}

// None of these forms occurs in the phrasebook as written: a phrase is found
// only when a grammar rule turns the word into a form a phrase uses.
TEST(ShippedData, InflectedWordsFindPhrasesThroughTheGrammar)
{
    const struct {
        const char *name;
        bool direction; // true: Italian is searched
        QStringList words;
    } cases[] = {
        {"Italian", true,
         {"parlo", "parlare", "mangia", "mangiare", "prende", "arrivare", "partire", "dorme", "capisce", "studiare",
          "studia", "viaggiare", "viaggia", "abitare", "abita", "compra", "costare", "chiudere", "aprire",
          "cominciare", "amica", "gatto", "giornale", "libro", "chiave", "scarpa", "vicina", "fresca", "fredda",
          "simpatico"}},
        {"Portuguese", false,
         {"falo", "comer", "come", "estudar", "estuda", "morar", "sair", "abrir", "começar", "custar", "compra",
          "dorme", "toma", "gostar", "viajar", "viaja", "sapato", "mala", "amigo", "amiga", "gato", "livro", "colega",
          "chave", "animal", "cheia", "fechado", "fria", "vizinho", "mulher"}},
    };
    for (const auto &c : cases) {
        const GrammarList &grammar = c.direction ? shipped().language1Grammar : shipped().language2Grammar;
        const phrasebook::PhrasebookIndex phrases(shipped().phrasebook, c.direction);
        QStringList missed;
        for (const QString &word : c.words) {
            SearchState state;
            phrases.Search(state, word, grammar);
            if (state.resultText.isEmpty())
                missed << word;
        }
        EXPECT_GE(c.words.size() - missed.size(), 27) << c.name << ": no phrase for " << missed.join(", ").toStdString();
    }
}

// What a user can see of the main dictionary: the translations listed for
// a query, in file order, per direction (true: Italian is searched).
QStringList shownFor(const QString &query, bool direction)
{
    const MainDictionary &dictionary = shipped().mainDictionary;
    const QStringList &sources = direction ? dictionary.Language1Entries : dictionary.Language2Entries;
    const QStringList &targets = direction ? dictionary.Language2Entries : dictionary.Language1Entries;
    const QString key = words::ComparisonForm(query);
    QStringList shown;
    for (int i = 0; i < dictionary.Count(); ++i) {
        if (words::ComparisonForm(sources[i]) == key)
            shown.append(targets[i]);
    }
    return shown;
}

// Faults a reader would take for part of a word: notes, marks and leftovers
// of the source's markup, and bytes Windows-1252 leaves undefined.
TEST(ShippedData, DictionarySidesHoldOnlySearchableText)
{
    QFile file(Shipped.dataFile("portital.diz"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    for (char undefined : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'})
        EXPECT_FALSE(bytes.contains(undefined)) << "byte " << int(uchar(undefined));

    static const QRegularExpression genderMark(QStringLiteral("(^|\\s)(m|f|mf|pl|sm|sf)(\\s|$)"));
    static const QRegularExpression markup(QStringLiteral("[()\\[\\]{}/|<>]"));
    const MainDictionary &dictionary = shipped().mainDictionary;
    QHash<QString, int> pairs;
    QStringList faults;
    for (int i = 0; i < dictionary.Count(); ++i) {
        const QString &italian = dictionary.Language1Entries[i];
        const QString &portuguese = dictionary.Language2Entries[i];
        const QString record = QStringLiteral("record %1: %2 = %3").arg(i + 1).arg(italian, portuguese);
        for (const QString &side : {italian, portuguese}) {
            if (side.isEmpty() || side != side.trimmed() || side.contains(markup))
                faults << record;
        }
        if (portuguese.contains(genderMark))
            faults << record + " (gender mark)";
        const QString key = italian.toLower() + '\n' + portuguese.toLower();
        if (pairs.contains(key))
            faults << record + QStringLiteral(" repeats record %1").arg(pairs[key] + 1);
        pairs.insert(key, i);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults, first: " << faults.mid(0, 20).join('\n').toStdString();
}

// The Portuguese side is searched for translations into Italian: an Italian
// word left there is found by nobody and misleads whoever sees it.
TEST(ShippedData, PortugueseSidesHoldNoItalianOnlyWords)
{
    dictconvert::HunspellKnowledge knowledge;
    for (dictconvert::Speller speller :
         {dictconvert::Speller::Italian, dictconvert::Speller::Brazilian, dictconvert::Speller::European}) {
        if (!knowledge.available(speller))
            GTEST_SKIP() << "no Hunspell dictionary "
                         << dictconvert::HunspellKnowledge::dictionaryName(speller).toStdString();
    }
    // The words the converter was told are Portuguese.
    QString error;
    knowledge.addWords(dictconvert::Speller::Brazilian,
                       dictconvert::readWordList(QStringLiteral(PARLORA_PORTUGUESE_WORDS), error));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    const MainDictionary &dictionary = shipped().mainDictionary;
    QStringList faults;
    for (int i = 0; i < dictionary.Count(); ++i) {
        const QStringList italian =
            dictconvert::italianOnlyWords(knowledge, dictionary.Language2Entries[i], dictionary.Language1Entries[i]);
        if (!italian.isEmpty())
            faults << QStringLiteral("%1 = %2 (%3)").arg(dictionary.Language1Entries[i], dictionary.Language2Entries[i],
                                                         italian.join(", "));
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " records, first: " << faults.mid(0, 20).join('\n').toStdString();
}

// Everyday words a new user looks up first, each with a translation that
// must be among the lines shown; "first" marks the ones whose most common
// sense must come first.
TEST(ShippedData, FrequentLemmasAreFoundInBothDirections)
{
    QFile file(QStringLiteral(PARLORA_FREQUENT_LEMMAS));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int checked[2] = {0, 0};
    QStringList missed;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split('\t');
        ASSERT_GE(fields.size(), 3) << line.toStdString();
        const bool direction = fields[0] == "it";
        ++checked[direction ? 1 : 0];
        const QStringList shown = shownFor(fields[1], direction);
        const QString expected = words::ComparisonForm(fields[2]);
        const auto matches = [&](const QString &text) { return words::ComparisonForm(text) == expected; };
        const bool found = fields.size() > 3 && fields[3] == "first" ? !shown.isEmpty() && matches(shown.first())
                                                                     : std::any_of(shown.cbegin(), shown.cend(), matches);
        if (!found)
            missed << QStringLiteral("%1 %2 -> %3 (shown: %4)").arg(fields[0], fields[1], fields[2], shown.join(", "));
    }
    EXPECT_GE(checked[1], 200);
    EXPECT_GE(checked[0], 200);
    EXPECT_TRUE(missed.isEmpty()) << missed.size() << " missed:\n" << missed.join('\n').toStdString();
}

// A rule that turns a real word into another real word shows phrases about
// something else; a rule that leaves nothing would match every phrase.
TEST(ShippedData, GrammarRulesRewriteOnlyIntoFormsOfTheSameWord)
{
    const struct {
        bool italian;
        const char *query;
        QStringList wanted;    // rewrites some rule must give
        QStringList unwanted;  // rewrites no rule may give
    } cases[] = {
        {true, "mangiamo", {"mangiare"}, {}},
        {true, "mangi", {"mangiare"}, {"mangare"}},
        {true, "cerchiamo", {"cercare"}, {}},
        {true, "cerchi", {"cercare"}, {}},
        {true, "paghiamo", {"pagare"}, {}},
        {true, "parlo", {"parlare"}, {}},
        {true, "capisce", {"capire"}, {}},
        {true, "amica", {"amico", "amiche"}, {}},
        {true, "caso", {"casi"}, {"casa"}},
        {true, "porto", {}, {"porta"}},
        {true, "posto", {}, {"posta"}},
        {true, "di", {}, {"dare"}},
        {true, "ma", {}, {"mare", "me"}},
        {true, "chi", {}, {"che", "care"}},
        {true, "anche", {}, {"anca"}},
        {true, "dire", {}, {"disco"}},
        {false, "falo", {"falar"}, {}},
        {false, "comemos", {"comer"}, {}},
        {false, "amiga", {"amigo", "amigas"}, {}},
        {false, "portuguesa", {"português"}, {}},
        {false, "animais", {"animal"}, {}},
        {false, "mês", {}, {"mesa"}},
        {false, "como", {}, {"comemos", "comer"}},
        {false, "caso", {"casos"}, {"casa"}},
        {false, "porto", {}, {"porta"}},
        {false, "posto", {}, {"posta"}},
        {false, "dar", {}, {"do", "da"}},
        {false, "ir", {}, {"o", "e", "em"}},
        {false, "se", {}, {"sem"}},
        {false, "ser", {}, {"se", "sem"}},
        {false, "mal", {}, {"mais"}},
    };
    for (const GrammarList *grammar : {&shipped().language1Grammar, &shipped().language2Grammar}) {
        for (const GrammarRule &rule : grammar->Rules.mid(1))
            EXPECT_GT(rule.Replacement.size(), 1) << "empty word from " << rule.Pattern.toStdString();
    }
    for (const auto &c : cases) {
        const GrammarList &grammar = c.italian ? shipped().language1Grammar : shipped().language2Grammar;
        QSet<QString> rewrites;
        for (const GrammarRule &rule : grammar.Rules) {
            if (const std::optional<QString> rewritten = phrasebook::RewriteQuery(QString::fromUtf8(c.query), rule))
                rewrites.insert(*rewritten);
        }
        for (const QString &word : c.wanted)
            EXPECT_TRUE(rewrites.contains(word)) << c.query << " -> " << word.toStdString();
        for (const QString &word : c.unwanted)
            EXPECT_FALSE(rewrites.contains(word)) << c.query << " -> " << word.toStdString();
    }
}

} // namespace
